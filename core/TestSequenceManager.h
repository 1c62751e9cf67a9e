#pragma once

#include "TestSequenceElement.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class MedicalApplianceResult;
class QIODevice;

// The one store of test sequences: one file per sequence in the sequences directory,
// the sequence being edited (the current one) and the sequence each channel runs.
// The lists own their elements; an element pointer is good until its list next changes.
// A sequence's file name is its name cleaned by makeValidName; a name that cleans to
// nothing is refused.
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
    // False when newName exists or oldName cannot be read; the file's inner name becomes
    // newName. The new file is complete before the old one goes.
    bool renameTestSequence(const QString &oldName, const QString &newName);

    // Reads a sequence file into the current sequence, or into a channel's. False, with
    // nothing changed, when the file cannot be opened or is not a whole sequence.
    bool openTestSequence(const QString &name);
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
    // Replaces the file named by the current name whole, or leaves the old one.
    bool saveCurrentTestSequence();
    void clearCurrentTestSequence();

    // Sequences exchange file: the header words 1, 1, then per sequence its name and its
    // element list as a byte array. Each returns false when a write fails.
    bool addFileHeader(QIODevice &file);
    bool appendCurrentTestSequenceToFile(QIODevice &file);
    // Imports every whole sequence of an exchange file, each replacing a stored one of
    // the same name. Another kind of file shows the format warning. False when the file
    // is of the wrong kind, is cut or corrupt (what follows is not imported) or a save fails.
    bool readTestSequencesFromFile(QIODevice &file);
    // The whole export in one call, written atomically to path; returns the number of
    // sequences exported (unreadable ones are left out), or -1 when the file could not
    // be written.
    int exportTestSequences(const QString &path, const QStringList &names);

private:
    TestSequenceManager();
    ~TestSequenceManager() override;
    bool validChannel(unsigned short channel) const { return channel < CHANNELS; }
    static QString filePath(const QString &fileName);
    static bool readSequenceFile(const QString &name, QString &storedName,
                                 QList<TestSequenceElement *> &elements);
    static bool writeSequenceFile(const QString &name, const QList<TestSequenceElement *> &elements,
                                  bool withElements);
    static bool isValid(const QList<TestSequenceElement *> &elements);
    static void testNames(const QList<TestSequenceElement *> &elements, QStringList &lines);
    static void replaceList(QList<TestSequenceElement *> &target,
                            QList<TestSequenceElement *> &source);

    QString currentName;
    QList<TestSequenceElement *> currentElements;
    QString channelNames[CHANNELS];
    QList<TestSequenceElement *> channelElements[CHANNELS];
};
