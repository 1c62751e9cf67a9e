#include "SettingsReader.h"

#include "FileUtils.h"
#include "SettingsConstants.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {

enum : char { Space = 1, Special = 2 };

char traitsOf(char c)
{
    switch (c) {
    case '\t':
    case ' ':
        return Space;
    case '\n':
    case '\r':
        return Space | Special;
    case '"':
    case ';':
    case '=':
    case '\\':
        return Special;
    default:
        return 0;
    }
}

// The next entry or section header of INI content, cut where QSettings' own reader cuts
// it: a quoted part and a backslash carry it over line ends, a ';' outside quotes starts
// a comment, and comment lines and blanks between entries are skipped. False at the end.
bool nextLine(const QByteArray &data, int &pos, int &start, int &length)
{
    const int size = data.size();
    bool inQuotes = false;
    start = pos;
    while (start < size && (traitsOf(data.at(start)) & Space))
        ++start;
    int i = start;
    while (i < size) {
        const char ch = data.at(i++);
        if (!(traitsOf(ch) & Special))
            continue;
        if (ch == '\n' || ch == '\r') {
            if (i == start + 1)
                ++start;
            else if (!inQuotes) {
                --i;
                break;
            }
        } else if (ch == '\\') {
            if (i < size) {
                const char next = data.at(i++);
                if (i < size) {
                    const char after = data.at(i);
                    if ((next == '\n' && after == '\r') || (next == '\r' && after == '\n'))
                        ++i;
                }
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else if (ch == ';') {
            if (i == start + 1) {
                while (i < size && data.at(i) != '\n' && data.at(i) != '\r')
                    ++i;
                while (i < size && (traitsOf(data.at(i)) & Space))
                    ++i;
                start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    pos = i;
    length = i - start;
    return length > 0;
}

} // namespace

QByteArray SettingsReader::keptContent(const QByteArray &content, bool cut, bool *changed)
{
    QByteArray kept;
    // The beginning of a larger file differs from the file whatever it holds.
    bool anyChange = cut;
    // A byte-order mark tells QSettings how the file is encoded.
    int pos = content.startsWith("\xef\xbb\xbf") ? 3 : 0;
    kept.append(content.constData(), pos);
    bool skippingSection = false;
    int start = 0;
    int length = 0;
    while (nextLine(content, pos, start, length)) {
        const bool lastOfCut = cut && pos == content.size();
        const bool header = content.at(start) == '[';
        if (header)
            skippingSection = false;
        if (length > maxEntryBytes || lastOfCut) {
            // Entries under a header left out would land in the section before it.
            skippingSection = skippingSection || header;
            anyChange = true;
            continue;
        }
        if (skippingSection) {
            anyChange = true;
            continue;
        }
        kept.append(content.constData() + start, length);
        // QSettings looks for a header's bracket as far as the end of the file.
        if (header && !content.mid(start, length).contains(']')) {
            kept.append(']');
            anyChange = true;
        }
        // A last entry that ended the content without a line end keeps it so.
        if (pos < content.size())
            kept.append('\n');
    }
    if (changed)
        *changed = anyChange;
    return kept;
}

SettingsReader::SettingsReader()
{
    const QString path = settingsPath();
    QByteArray content;
    FileUtils::ReadRefusal why = FileUtils::ReadRefusal::None;
    if (!FileUtils::readBeginning(path, maxFileBytes, content, &why))
        return; // no file, or nothing a reader may open: every value is its default
    bool changed = false;
    const QByteArray kept =
        keptContent(content, why == FileUtils::ReadRefusal::TooLarge, &changed);
    if (!changed) {
        // The file as it is, which QSettings keeps parsed while it does not change.
        m_settings.reset(new QSettings(path, QSettings::NativeFormat));
        return;
    }
    m_scratch.reset(new QTemporaryDir);
    QFile copy(m_scratch->filePath(QStringLiteral("read.ini")));
    if (!m_scratch->isValid() || !copy.open(QIODevice::WriteOnly)
        || copy.write(kept) != kept.size() || !copy.flush())
        return;
    copy.close();
    m_settings.reset(new QSettings(copy.fileName(), QSettings::NativeFormat));
}

SettingsReader::~SettingsReader() = default;

QVariant SettingsReader::value(const QString &key, const QVariant &defaultValue) const
{
    return m_settings ? m_settings->value(key, defaultValue) : defaultValue;
}

bool SettingsReader::contains(const QString &key) const
{
    return m_settings && m_settings->contains(key);
}
