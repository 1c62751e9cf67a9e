#include "TestSequenceManager.h"

#include "AtomicFile.h"
#include "DevicePath.h"
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

const QString TestSequenceManager::testSequenceDirectory = QStringLiteral("/mnt/data/testSequences");

namespace {
constexpr quint16 FILE_VERSION = 1;
constexpr quint16 KIND_SEQUENCES = 1;
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
    const QString fileName = StoredName::sequenceFileName(name);
    return !fileName.isEmpty() && QFileInfo(filePath(fileName)).isFile();
}

QStringList TestSequenceManager::getTestSequenceList() const
{
    return QDir(directory()).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
}

bool TestSequenceManager::createNewTestSequence(const QString &name)
{
    return writeSequenceFile(name, {}, false);
}

bool TestSequenceManager::createNewDefaultTestSequence(const QString &)
{
    return false;
}

bool TestSequenceManager::removeTestSequence(const QString &name)
{
    const QString fileName = StoredName::sequenceFileName(name);
    return !fileName.isEmpty() && QFile::remove(filePath(fileName));
}

bool TestSequenceManager::copyTestSequence(QString &name)
{
    QString storedName;
    QList<TestSequenceElement *> elements;
    if (!readSequenceFile(name, storedName, elements))
        return false;
    QString newName;
    for (int n = 2;; ++n) {
        newName = name + QLatin1Char('_') + QString::number(n);
        if (!testSequenceExists(newName))
            break;
    }
    if (!writeSequenceFile(newName, elements, true)) {
        qDeleteAll(elements);
        return false;
    }
    replaceList(currentElements, elements);
    currentName = newName;
    name = newName;
    return true;
}

bool TestSequenceManager::renameTestSequence(const QString &oldName, const QString &newName)
{
    const QString oldFile = StoredName::sequenceFileName(oldName);
    if (oldFile.isEmpty() || StoredName::sequenceFileName(newName).isEmpty()
        || testSequenceExists(newName))
        return false;
    QString storedName;
    QList<TestSequenceElement *> elements;
    if (!readSequenceFile(oldName, storedName, elements))
        return false;
    // The new file is whole before the old one goes: a power cut in between leaves
    // both, never neither.
    if (!writeSequenceFile(newName, elements, true)) {
        qDeleteAll(elements);
        return false;
    }
    replaceList(currentElements, elements);
    currentName = newName;
    return QFile::remove(filePath(oldFile));
}

bool TestSequenceManager::openTestSequence(const QString &name)
{
    QString storedName;
    QList<TestSequenceElement *> elements;
    if (!readSequenceFile(name, storedName, elements))
        return false;
    replaceList(currentElements, elements);
    currentName = storedName;
    return true;
}

bool TestSequenceManager::openTestSequence(const QString &name, unsigned short channel)
{
    if (!validChannel(channel))
        return false;
    QString storedName;
    QList<TestSequenceElement *> elements;
    if (!readSequenceFile(name, storedName, elements))
        return false;
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
            lines << QStringLiteral("%1: %2 %3").arg(QString::number(i + 1), details->name, QString());
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
    return writeSequenceFile(currentName, currentElements, true);
}

void TestSequenceManager::clearCurrentTestSequence()
{
    currentName = QLatin1String("");
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

bool TestSequenceManager::readTestSequencesFromFile(QIODevice &file)
{
    const QByteArray data = file.readAll();
    QDataStream in(data);
    StreamHelper::setup(in);
    quint16 version = 0, kind = 0;
    in >> version >> kind;
    if (in.status() != QDataStream::Ok || kind != KIND_SEQUENCES) {
        ImportWarning::showFormatWarning();
        return false;
    }
    qDeleteAll(currentElements);
    currentElements.clear();
    bool allSaved = true;
    while (!in.atEnd()) {
        QString name;
        QByteArray elementData;
        in >> name >> elementData;
        QList<TestSequenceElement *> elements;
        // A cut or corrupt entry ends the import; nothing of it is stored.
        if (in.status() != QDataStream::Ok
            || !TestSequenceFactory::fromByteArray(elementData, elements))
            return false;
        currentName = name;
        allSaved = writeSequenceFile(name, elements, true) && allSaved;
        qDeleteAll(elements);
    }
    return allSaved;
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

bool TestSequenceManager::readSequenceFile(const QString &name, QString &storedName,
                                           QList<TestSequenceElement *> &elements)
{
    const QString fileName = StoredName::sequenceFileName(name);
    if (fileName.isEmpty())
        return false;
    QFile file(filePath(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    file.close();
    QDataStream in(data);
    StreamHelper::setup(in);
    quint16 version = 0, kind = 0;
    in >> version >> kind >> storedName;
    if (in.status() != QDataStream::Ok)
        return false;
    // A newly created sequence ends after its name.
    if (in.atEnd())
        return true;
    QByteArray elementData;
    in >> elementData;
    return in.status() == QDataStream::Ok
        && TestSequenceFactory::fromByteArray(elementData, elements);
}

bool TestSequenceManager::writeSequenceFile(const QString &name,
                                            const QList<TestSequenceElement *> &elements,
                                            bool withElements)
{
    const QString fileName = StoredName::sequenceFileName(name);
    if (fileName.isEmpty())
        return false;
    QDir().mkpath(directory());
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    StreamHelper::setup(out);
    out << FILE_VERSION << KIND_SEQUENCES << name;
    if (withElements)
        out << TestSequenceFactory::toByteArray(elements);
    return AtomicFile::write(filePath(fileName), data);
}

void TestSequenceManager::replaceList(QList<TestSequenceElement *> &target,
                                      QList<TestSequenceElement *> &source)
{
    qDeleteAll(target);
    target = source;
    source.clear();
}
