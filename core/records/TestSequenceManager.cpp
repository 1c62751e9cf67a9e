#include "TestSequenceManager.h"

#include "AtomicFile.h"
#include "DevicePath.h"
#include "DevicePaths.h"
#include "FileUtils.h"
#include "ImportWarning.h"
#include "MedicalApplianceResult.h"
#include "StoredName.h"
#include "StreamHelper.h"
#include "TestElementDetails.h"
#include "TestSequenceFactory.h"

#include <QBuffer>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

const QString TestSequenceManager::testSequenceDirectory =
    DevicePaths::dataPartition + QStringLiteral("/testSequences");

namespace {
constexpr quint16 FILE_VERSION = 1;
constexpr quint16 KIND_SEQUENCES = 1;
// Far beyond any sequence the editor can build (thousands of steps); a file larger than
// this is not a sequence, and is neither read nor written.
constexpr qint64 MAX_SEQUENCE_FILE_BYTES = 4 * 1024 * 1024;
} // namespace

TestSequenceManager *TestSequenceManager::getInstance()
{
    static TestSequenceManager *instance = new TestSequenceManager;
    return instance;
}

TestSequenceManager::TestSequenceManager()
{
    QDir().mkpath(directory());
}

TestSequenceManager::~TestSequenceManager()
{
    qDeleteAll(currentElements);
    for (auto &list : channelElements)
        qDeleteAll(list);
}

QString TestSequenceManager::directory()
{
    return DevicePath::path(testSequenceDirectory);
}

void TestSequenceManager::makeValidName(QString &name)
{
    // No stand-in for a name that cleans to nothing, unlike the general cleaner: the
    // screens refuse such a name rather than store a sequence under a made-up one.
    name = StoredName::withoutForbidden(name).replace(QLatin1Char(' '), QLatin1Char('_'));
}

QString TestSequenceManager::filePath(const QString &fileName)
{
    return directory() + QLatin1Char('/') + fileName;
}

bool TestSequenceManager::testSequenceExists(const QString &name) const
{
    return StoredName::isFileName(name) && QFileInfo(filePath(name)).isFile();
}

QStringList TestSequenceManager::getTestSequenceList() const
{
    return QDir(directory()).entryList(QDir::Files | QDir::NoSymLinks, QDir::Name | QDir::IgnoreCase);
}

bool TestSequenceManager::createNewTestSequence(const QString &name)
{
    return writeSequenceFile(StoredName::sequenceFileName(name), name, {}, false);
}

bool TestSequenceManager::createNewDefaultTestSequence(const QString &)
{
    return false;
}

bool TestSequenceManager::removeTestSequence(const QString &name)
{
    return StoredName::isFileName(name) && QFile::remove(filePath(name));
}

QString TestSequenceManager::freeNumberedName(const QString &base, const QSet<QString> &taken,
                                              int *from)
{
    for (int n = from ? qMax(*from, 2) : 2;; ++n) {
        const QString name = base + QLatin1Char('_') + QString::number(n);
        if (!taken.contains(name) && !QFileInfo::exists(filePath(name))) {
            if (from)
                *from = n;
            return name;
        }
    }
}

bool TestSequenceManager::copyTestSequence(QString &name)
{
    // The copy is a new file: its name is the cleaned one, inside the file too, so the
    // name handed back is the one the list shows.
    const QString base = StoredName::sequenceFileName(name);
    QString storedName;
    QList<TestSequenceElement *> elements;
    if (base.isEmpty() || readSequenceFile(name, storedName, elements) == Reading::Unreadable) {
        qDeleteAll(elements);
        return false;
    }
    const QString newName = freeNumberedName(base);
    if (!writeSequenceFile(newName, newName, elements, true)) {
        qDeleteAll(elements);
        return false;
    }
    replaceList(currentElements, elements);
    currentName = newName;
    currentFileName = newName;
    currentWhole = true;
    name = newName;
    return true;
}

bool TestSequenceManager::renameTestSequence(const QString &oldName, const QString &newName)
{
    const QString newFile = StoredName::sequenceFileName(newName);
    if (!StoredName::isFileName(oldName) || newFile.isEmpty()
        || QFileInfo::exists(filePath(newFile)))
        return false;
    QString storedName;
    QList<TestSequenceElement *> elements;
    // The new file is whole before the old one goes: a power cut in between leaves
    // both, never neither. A damaged file is not renamed: that would drop its tail.
    if (readSequenceFile(oldName, storedName, elements) != Reading::Whole
        || !writeSequenceFile(newFile, newName, elements, true)) {
        qDeleteAll(elements);
        return false;
    }
    replaceList(currentElements, elements);
    currentName = newName;
    currentFileName = newFile;
    currentWhole = true;
    return QFile::remove(filePath(oldName));
}

bool TestSequenceManager::openTestSequence(const QString &name)
{
    QString storedName;
    QList<TestSequenceElement *> elements;
    const Reading reading = readSequenceFile(name, storedName, elements);
    if (reading == Reading::Unreadable) {
        qDeleteAll(elements);
        return false;
    }
    replaceList(currentElements, elements);
    currentName = storedName;
    currentFileName = name;
    currentWhole = reading == Reading::Whole;
    return true;
}

bool TestSequenceManager::openTestSequence(const QString &name, unsigned short channel)
{
    if (!validChannel(channel))
        return false;
    QString storedName;
    QList<TestSequenceElement *> elements;
    // A run of part of a sequence would judge an asset on fewer tests than it names.
    if (readSequenceFile(name, storedName, elements) != Reading::Whole) {
        qDeleteAll(elements);
        return false;
    }
    replaceList(channelElements[channel], elements);
    channelNames[channel] = storedName;
    return true;
}

bool TestSequenceManager::openTestSequence(const MedicalApplianceResult &record)
{
    QList<TestSequenceElement *> elements;
    if (!TestSequenceFactory::fromByteArray(record.testSequenceData, elements))
        return false;
    replaceList(currentElements, elements);
    currentName = record.testSequenceName;
    currentFileName.clear();
    currentWhole = true;
    return true;
}

bool TestSequenceManager::openTestSequence(const MedicalApplianceResult &record,
                                           unsigned short channel)
{
    if (!validChannel(channel))
        return false;
    QList<TestSequenceElement *> elements;
    if (!TestSequenceFactory::fromByteArray(record.testSequenceData, elements))
        return false;
    replaceList(channelElements[channel], elements);
    channelNames[channel] = record.testSequenceName;
    return true;
}

bool TestSequenceManager::isValid(const QList<TestSequenceElement *> &elements)
{
    for (const TestSequenceElement *element : elements) {
        const auto *details = TestElementDetails::getInstance()->getDetails(element->id);
        if (!details || !(details->flags & TestElementDetails::FLAG_SEQUENCE)) {
            qDebug() << "TestSequenceManager::isValidCurrentTestSequence - ERROR";
            return false;
        }
    }
    return true;
}

bool TestSequenceManager::isValidCurrentTestSequence() const
{
    return isValid(currentElements);
}

bool TestSequenceManager::isValidCurrentTestSequence(unsigned short channel) const
{
    if (!validChannel(channel))
        return false;
    if (channelElements[channel].isEmpty()) {
        qDebug() << "TestSequenceManager::isValidCurrentTestSequence - ERROR";
        return false;
    }
    return isValid(channelElements[channel]);
}

int TestSequenceManager::getCurrentTestSequenceSize() const
{
    return currentElements.size();
}

int TestSequenceManager::getCurrentTestSequenceSize(unsigned short channel) const
{
    return validChannel(channel) ? channelElements[channel].size() : 0;
}

QString TestSequenceManager::getCurrentTestSequenceName() const
{
    return currentName;
}

QString TestSequenceManager::getCurrentTestSequenceName(unsigned short channel) const
{
    return validChannel(channel) ? channelNames[channel] : QString();
}

void TestSequenceManager::testNames(const QList<TestSequenceElement *> &elements,
                                    QStringList &lines)
{
    lines.clear();
    for (int i = 0; i < elements.size(); ++i) {
        const auto *details = TestElementDetails::getInstance()->getDetails(elements.at(i)->id);
        if (details)
            lines << QStringLiteral("%1: %2 %3")
                         .arg(QString::number(i + 1), details->name(), QString());
    }
}

void TestSequenceManager::getCurrentTestNames(QStringList &lines) const
{
    testNames(currentElements, lines);
}

void TestSequenceManager::getCurrentTestNames(QStringList &lines, unsigned short channel) const
{
    if (validChannel(channel))
        testNames(channelElements[channel], lines);
    else
        lines.clear();
}

void TestSequenceManager::insertTestElement(unsigned char type, int index)
{
    TestSequenceElement *element = TestSequenceFactory::createElement(type);
    if (!element)
        return;
    currentElements.insert(qBound(0, index + 1, currentElements.size()), element);
}

void TestSequenceManager::deleteTestElement(int index)
{
    if (index >= 0 && index < currentElements.size())
        delete currentElements.takeAt(index);
}

void TestSequenceManager::copyTestElement(int index)
{
    if (index >= 0 && index < currentElements.size())
        currentElements.insert(index + 1, currentElements.at(index)->clone());
}

TestSequenceElement *TestSequenceManager::getTestElementPtr(int index) const
{
    return index >= 0 && index < currentElements.size() ? currentElements.at(index) : nullptr;
}

TestSequenceElement *TestSequenceManager::getTestElementPtr(int index, unsigned short channel) const
{
    if (!validChannel(channel) || index < 0 || index >= channelElements[channel].size())
        return nullptr;
    return channelElements[channel].at(index);
}

bool TestSequenceManager::replaceTestElement(int index, TestSequenceElement *element)
{
    if (!element || index < 0 || index >= currentElements.size())
        return false;
    if (currentElements.at(index) != element)
        delete currentElements.at(index);
    currentElements[index] = element;
    return true;
}

void TestSequenceManager::copyTestDataIntoByteArray(QByteArray &data) const
{
    data.append(TestSequenceFactory::toByteArray(currentElements));
}

void TestSequenceManager::copyTestDataIntoByteArray(QByteArray &data, unsigned short channel) const
{
    if (validChannel(channel))
        data.append(TestSequenceFactory::toByteArray(channelElements[channel]));
}

bool TestSequenceManager::saveCurrentTestSequence()
{
    const QString fileName =
        currentFileName.isEmpty() ? StoredName::sequenceFileName(currentName) : currentFileName;
    return writeSequenceFile(fileName, currentName, currentElements, true);
}

void TestSequenceManager::clearCurrentTestSequence()
{
    currentName = QLatin1String("");
    currentFileName.clear();
    currentWhole = true;
    qDeleteAll(currentElements);
    currentElements.clear();
}

bool TestSequenceManager::addFileHeader(QIODevice &file)
{
    QDataStream out(&file);
    StreamHelper::setup(out);
    out << FILE_VERSION << KIND_SEQUENCES;
    return out.status() == QDataStream::Ok;
}

bool TestSequenceManager::appendCurrentTestSequenceToFile(QIODevice &file)
{
    QDataStream out(&file);
    StreamHelper::setup(out);
    out << currentName << TestSequenceFactory::toByteArray(currentElements);
    return out.status() == QDataStream::Ok;
}

ImportReport TestSequenceManager::importTestSequences(const QByteArray &data,
                                                      const ImportRunner &run,
                                                      ImportProgress *progress)
{
    ImportReport report;
    QDataStream in(data);
    StreamHelper::setup(in);
    quint16 version = 0, kind = 0;
    in >> version >> kind;
    if (in.status() != QDataStream::Ok || kind != KIND_SEQUENCES) {
        ImportWarning::showFormatWarning();
        report.wrongKind = true;
        return report;
    }
    qDeleteAll(currentElements);
    currentElements.clear();
    currentFileName.clear();
    currentWhole = true;
    QString lastStored;
    const auto store = [&] { report = storeSequences(data, lastStored, progress); };
    if (run)
        run(store);
    else
        store();
    if (!lastStored.isEmpty())
        currentName = lastStored;
    return report;
}

ImportReport TestSequenceManager::storeSequences(const QByteArray &data, QString &lastStored,
                                                 ImportProgress *progress)
{
    ImportReport report;
    QDataStream in(data);
    StreamHelper::setup(in);
    in.skipRawData(4); // the header, checked by the caller
    // Files written by this import: a later sequence that cleans to one of them must
    // not replace it.
    QSet<QString> written;
    // By cleaned name, the number its last renamed sequence was given: every number below
    // it is taken, and stays so while the import runs, so the search goes on from there.
    QHash<QString, int> lastNumber;
    while (!in.atEnd()) {
        QString name;
        in >> name;
        if (in.status() != QDataStream::Ok) {
            ++report.skipped;
            break;
        }
        QByteArray elementData;
        const bool blockWhole = StreamHelper::readLastByteArray(in, elementData);
        QList<TestSequenceElement *> elements;
        const int wholeBytes = TestSequenceFactory::readWholeElements(elementData, elements);
        const bool damaged = !blockWhole || wholeBytes != elementData.size();
        QString fileName = StoredName::sequenceFileName(name);
        const bool renamed = written.contains(fileName);
        if (renamed)
            fileName = freeNumberedName(fileName, written, &lastNumber[fileName]);
        if (!fileName.isEmpty() && writeSequenceFile(fileName, fileName, elements, true)) {
            written.insert(fileName);
            lastStored = fileName;
            ++report.stored;
            report.renamed += renamed ? 1 : 0;
            report.damaged += damaged ? 1 : 0;
        } else if (fileName.isEmpty()) {
            ++report.skipped;
        } else {
            report.saveFailed();
        }
        qDeleteAll(elements);
        if (progress)
            ++*progress;
    }
    return report;
}

int TestSequenceManager::exportTestSequences(const QString &path, const QStringList &names)
{
    AtomicFile file(path);
    if (!file.open() || !addFileHeader(file.device()))
        return -1;
    int exported = 0;
    for (const QString &name : names) {
        if (!openTestSequence(name))
            continue;
        if (!appendCurrentTestSequenceToFile(file.device()))
            return -1;
        ++exported;
    }
    return file.commit() ? exported : -1;
}

TestSequenceManager::Reading TestSequenceManager::readSequenceFile(
    const QString &fileName, QString &storedName, QList<TestSequenceElement *> &elements)
{
    QByteArray data;
    if (!StoredName::isFileName(fileName)
        || !FileUtils::readBounded(filePath(fileName), MAX_SEQUENCE_FILE_BYTES, data))
        return Reading::Unreadable;
    QDataStream in(data);
    StreamHelper::setup(in);
    quint16 version = 0, kind = 0;
    in >> version >> kind >> storedName;
    if (in.status() != QDataStream::Ok)
        return Reading::Unreadable;
    // A newly created sequence ends after its name.
    if (in.atEnd())
        return Reading::Whole;
    QByteArray elementData;
    const bool blockWhole = StreamHelper::readLastByteArray(in, elementData);
    const int wholeBytes = TestSequenceFactory::readWholeElements(elementData, elements);
    // Bytes after the element block make the file damaged too.
    return blockWhole && wholeBytes == elementData.size() && in.atEnd() ? Reading::Whole
                                                                         : Reading::Damaged;
}

bool TestSequenceManager::writeSequenceFile(const QString &fileName, const QString &name,
                                            const QList<TestSequenceElement *> &elements,
                                            bool withElements)
{
    if (fileName.isEmpty())
        return false;
    QDir().mkpath(directory());
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    StreamHelper::setup(out);
    out << FILE_VERSION << KIND_SEQUENCES << name;
    if (withElements)
        out << TestSequenceFactory::toByteArray(elements);
    // What could not be read back is not written.
    return data.size() <= MAX_SEQUENCE_FILE_BYTES && AtomicFile::write(filePath(fileName), data);
}

void TestSequenceManager::replaceList(QList<TestSequenceElement *> &target,
                                      QList<TestSequenceElement *> &source)
{
    qDeleteAll(target);
    target = source;
    source.clear();
}
