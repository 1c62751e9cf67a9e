#pragma once

#include "ImportReport.h"
#include "TestSequenceElement.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

class MedicalApplianceResult;
class QIODevice;

// The one store of test sequences: one file per sequence in the sequences directory,
// the sequence being edited (the current one) and the sequence each channel runs.
// The lists own their elements; an element pointer is good until its list next changes.
// Names are cleaned (makeValidName) only where a new file is made: create, copy, rename
// and import; a name that cleans to nothing is refused there. Every operation given a
// name from the list works on that very file, however it is named.
class TestSequenceManager : public QObject
{
    Q_OBJECT
public:
    static const QString testSequenceDirectory;
    static constexpr int CHANNELS = 4;

    static TestSequenceManager *getInstance();

    // The directory under the device root.
    static QString directory();
    // Forbidden characters dropped, blanks as "_"; the name may end up empty.
    static void makeValidName(QString &name);

    bool testSequenceExists(const QString &name) const;
    // File names in the directory, sorted ignoring case.
    QStringList getTestSequenceList() const;
    // A file holding only the header and the name; the current sequence is not touched.
    bool createNewTestSequence(const QString &name);
    bool createNewDefaultTestSequence(const QString &name);
    bool removeTestSequence(const QString &name);
    // Saves a copy of name under the first free "name_N" (N from 2), which becomes the
    // current sequence; name receives the new name. False when the source cannot be
    // read or the copy cannot be saved.
    bool copyTestSequence(QString &name);
    // False when the file newName cleans to exists or oldName cannot be read; the file's
    // inner name becomes newName. The new file is complete before the old one goes.
    bool renameTestSequence(const QString &oldName, const QString &newName);

    // Reads a sequence file into the current sequence: its elements up to the first one
    // that is not whole (an unknown type, or cut short). False, with nothing changed,
    // when the file cannot be read or is not a sequence file up to its name.
    // A channel runs only a whole sequence: a damaged file is refused there.
    bool openTestSequence(const QString &name);
    // False after opening a file whose element list was cut or held an unknown element:
    // only its whole elements are loaded, so it must never be saved over.
    bool currentSequenceIsWhole() const { return currentWhole; }
    bool openTestSequence(const QString &name, unsigned short channel);
    bool openTestSequence(const MedicalApplianceResult &record);
    bool openTestSequence(const MedicalApplianceResult &record, unsigned short channel);

    bool isValidCurrentTestSequence() const;
    // An empty channel sequence is not valid either.
    bool isValidCurrentTestSequence(unsigned short channel) const;
    int getCurrentTestSequenceSize() const;
    int getCurrentTestSequenceSize(unsigned short channel) const;
    QString getCurrentTestSequenceName() const;
    QString getCurrentTestSequenceName(unsigned short channel) const;
    // "1: Flow Rate Test " per element of a known type; unknown types are skipped but counted.
    void getCurrentTestNames(QStringList &lines) const;
    void getCurrentTestNames(QStringList &lines, unsigned short channel) const;

    // Editing the current sequence. A bad index is ignored (null from the getters).
    void insertTestElement(unsigned char type, int index);
    void deleteTestElement(int index);
    void copyTestElement(int index);
    TestSequenceElement *getTestElementPtr(int index) const;
    TestSequenceElement *getTestElementPtr(int index, unsigned short channel) const;
    // Takes element over and releases the one it replaces; with a bad index it returns
    // false and the caller keeps element.
    bool replaceTestElement(int index, TestSequenceElement *element);

    void copyTestDataIntoByteArray(QByteArray &data) const;
    void copyTestDataIntoByteArray(QByteArray &data, unsigned short channel) const;
    // Replaces, whole or not at all, the file the current sequence was opened from (or
    // copied or renamed to); otherwise the file its name cleans to.
    bool saveCurrentTestSequence();
    void clearCurrentTestSequence();

    // Sequences exchange file: the header words 1, 1, then per sequence its name and its
    // element list as a byte array. Each returns false when a write fails.
    bool addFileHeader(QIODevice &file);
    bool appendCurrentTestSequenceToFile(QIODevice &file);
    // Imports the sequences of an exchange file, each under its cleaned name (inside the
    // file too), replacing a stored one of that name; a second sequence of the file
    // that cleans to the same name takes the next free "_N" instead. A sequence whose
    // elements are not all whole is stored as far as they are; one without a usable name,
    // or cut before its elements, is not stored. Another kind of file shows the format
    // warning. The report counts what was stored, renamed, damaged and skipped.
    // It takes the file's content, read through the bounded reader. The kind is checked
    // (and the warning shown) on the calling thread, the sequences are stored through run;
    // progress, when given, counts them as they are.
    ImportReport importTestSequences(const QByteArray &data, const ImportRunner &run = {},
                                     ImportProgress *progress = nullptr);
    // The whole export in one call, written atomically to path; returns the number of
    // sequences exported (unreadable ones are left out), or -1 when the file could not
    // be written.
    int exportTestSequences(const QString &path, const QStringList &names);

private:
    TestSequenceManager();
    ~TestSequenceManager() override;
    bool validChannel(unsigned short channel) const { return channel < CHANNELS; }
    static QString filePath(const QString &fileName);
    enum class Reading { Unreadable, Damaged, Whole };
    static Reading readSequenceFile(const QString &fileName, QString &storedName,
                                    QList<TestSequenceElement *> &elements);
    static bool writeSequenceFile(const QString &fileName, const QString &name,
                                  const QList<TestSequenceElement *> &elements, bool withElements);
    // Stores the sequences of an exchange file's content; the name of the last one stored
    // goes to lastStored.
    static ImportReport storeSequences(const QByteArray &data, QString &lastStored,
                                       ImportProgress *progress);
    // The first "base_N" (N from 2, or from *from when given) that names no file and is
    // not taken; *from is set to the N given.
    static QString freeNumberedName(const QString &base, const QSet<QString> &taken = {},
                                    int *from = nullptr);
    static bool isValid(const QList<TestSequenceElement *> &elements);
    static void testNames(const QList<TestSequenceElement *> &elements, QStringList &lines);
    static void replaceList(QList<TestSequenceElement *> &target,
                            QList<TestSequenceElement *> &source);

    QString currentName;
    // The file the current sequence was opened from, copied or renamed to; empty when it
    // has none yet (saved under its cleaned name then).
    QString currentFileName;
    bool currentWhole = true;
    QList<TestSequenceElement *> currentElements;
    QString channelNames[CHANNELS];
    QList<TestSequenceElement *> channelElements[CHANNELS];
};
