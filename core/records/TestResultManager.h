#pragma once

#include "ImportReport.h"
#include "MedicalApplianceResult.h"
#include "TestResultElement.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class FreeResultNames;
class QIODevice;
class QTextStream;

// The one store of asset results: one file per saved asset test in the results
// directory, named by asset identity and the date and time of the save. In memory a
// current record with its result list (manual save, browsing, export) and one record
// with its list per channel (automatic runs). The lists own their elements.
class TestResultManager : public QObject
{
    Q_OBJECT
public:
    static const QString assetResultsDirectory;
    static constexpr int CHANNELS = 4;

    static TestResultManager *getInstance();

    // The directory under the device root.
    static QString directory();
    // Drops the characters a file name may not hold, and blanks.
    static void makeValidFileName(QString &name);
    // Drops the same characters, keeps blanks.
    static void makeValidApplianceName(QString &name);
    // "<asset>_DDMMYYYY_HHMMSS", cleaned (an identity that cleans to nothing leaves
    // "_DDMMYYYY_HHMMSS"); empty when the record has no valid date.
    static QString fileNameFor(const MedicalApplianceResult &record);
    // Whether an identity keeps something of its own in its file name once cleaned; one
    // that does not is named by its date alone, like every other such record of its second.
    static bool identityNamesFile(const QString &applianceName);
    // Longest asset identity whose file name always fits: 255 bytes less the date and
    // the atomic writer's temporary ".<name>.part", at up to 3 UTF-8 bytes a character.
    static constexpr int maxAssetIdLength = (255 - 16 - 6) / 3;

    // Pressures in the CSV are shown in the operator's unit. The screen layer installs
    // the conversion; until then pressures stay in mmHg.
    static void setPressureDisplay(std::function<float(float mmHg)> value,
                                   std::function<QString()> unit);

    bool applianceResultExists(const QString &fileName) const;
    // File name -> asset identity (the name without its "_DDMMYYYY_HHMMSS" ending),
    // from the directory listing alone; regular files only, links not followed.
    QMap<QString, QString> getApplianceResultList() const;
    // Loads a result file into the current record (and its results when asked, up to the
    // first one that is not whole). False, with nothing changed, when the file cannot be
    // read, is larger than any result, or ends before the record's results begin.
    bool openApplianceResult(const QString &fileName, bool withResults);
    // Reads a result file's record without its results, leaving the current record as it
    // is: what a list of the stored results shows, read from the file's head alone. False
    // for every file that openApplianceResult refuses.
    bool readApplianceResultHead(const QString &fileName, MedicalApplianceResult &head) const;
    bool removeApplianceResult(const QString &fileName);

    void setAssetId(const QString &id);
    void setAssetId(const QString &id, unsigned short channel);
    void setCurrentOverallStatus(TEST_RESULT_STATUS status);
    void setCurrentOverallStatus(TEST_RESULT_STATUS status, unsigned short channel);
    void setApplianceData(const QString &make, const QString &model, const QString &eutSerial);
    void setApplianceData(const QString &make, const QString &model, const QString &eutSerial,
                          unsigned short channel);
    void setApplianceResults();
    void setApplianceResults(unsigned short channel);

    // Stage an element (not owned), then store it (owned from then on; the stage empties,
    // so one element is never stored twice).
    void setCurrentTestResult(TestResultElement *element);
    void setCurrentTestResult(TestResultElement *element, unsigned short channel);
    void storeCurrentTestResult();
    void storeCurrentTestResult(unsigned short channel);
    // The list owns element from then on.
    void addTestResult(TestResultElement *element);
    void addTestResult(TestResultElement *element, unsigned short channel);
    TestResultElement *getCurrentTestResult() const;
    TestResultElement *getCurrentTestResult(unsigned short channel) const;
    // Null for a bad index.
    TestResultElement *getTestResultPtr(int index) const;
    TestResultElement *getTestResultPtr(int index, unsigned short channel) const;
    int getCurrentTestResultSize() const;
    int getCurrentTestResultSize(unsigned short channel) const;
    // Registry names of the current elements of known type; returns the element count.
    int getCurrentTestResultNames(QStringList &names) const;
    // A bad index is ignored.
    void deleteTestResult(int index);
    void deleteTestResult(int index, unsigned short channel);
    void deleteAllTestResults();
    void deleteAllTestResults(unsigned short channel);

    // Writes the record as its result file, replacing one of the same name whole, or
    // leaving it; false when the file could not be written.
    bool saveCurrentApplianceResult();
    bool saveCurrentApplianceResult(unsigned short channel);

    QString getCurrentAssetId() const;
    QString getCurrentAssetId(unsigned short channel) const;
    TEST_RESULT_STATUS getCurrentAssetStatus() const;
    TEST_RESULT_STATUS getCurrentAssetStatus(unsigned short channel) const;
    QDateTime getCurrentAssetDateTime() const;
    QDateTime getCurrentAssetDateTime(unsigned short channel) const;
    QString getCurrentApplianceResultSequenceName() const;
    QString getCurrentApplianceResultSequenceName(unsigned short channel) const;
    MedicalApplianceResult currentApplianceResult() const;
    MedicalApplianceResult currentApplianceResult(unsigned short channel) const;
    void copyTestDataIntoByteArray(QByteArray &data) const;
    void copyTestDataIntoByteArray(QByteArray &data, unsigned short channel) const;
    void createApplianceResultDirectory() const;

    // Results exchange file: the header words 1, 0, then one record after another.
    // Each returns false when a write fails.
    bool addFileHeader(QIODevice &file);
    bool appendCurrentApplianceResultToFile(QIODevice &file);
    // Imports the records of an exchange file as result files, each replacing a stored
    // one of the same name. A record whose test lists are not all whole is stored as far
    // as they are; one whose identity or date cannot name a file is stored under the same
    // form with what is there ("_DDMMYYYY_HHMMSS", "00000000_000000" for no date), never
    // over another record. A record cut before its results ends the import. Another kind
    // of file shows the format warning. The report counts what was stored, renamed,
    // damaged and skipped.
    // It takes the file's content, read through the bounded reader. The kind is checked
    // (and the warning shown) on the calling thread, the records are stored through run;
    // progress, when given, counts them as they are.
    ImportReport importApplianceResults(const QByteArray &data, const ImportRunner &run = {},
                                        ImportProgress *progress = nullptr);
    // The CSV block of the current record, ended by an empty line.
    void sendCurrentApplianceCSVToStream(QTextStream &out, bool withResults);
    // The whole exports in one call, written atomically to path (CSV as UTF-8). Each
    // returns the number of results exported (unreadable ones are left out), or -1 when
    // the file could not be written.
    int exportApplianceResults(const QString &path, const QStringList &fileNames);
    int exportApplianceResultsCSV(const QString &path, const QStringList &fileNames);

    // Demonstration records: count results of random measurements on channel.
    void createTestData(int count, int sampleCount, unsigned short channel);

private:
    TestResultManager();
    ~TestResultManager() override;

    // One record with its element list and staged element.
    struct Slot
    {
        MedicalApplianceResult record;
        QList<TestResultElement *> results;
        TestResultElement *staged = nullptr;
    };
    Slot *slotFor(unsigned short channel);
    const Slot *slotFor(unsigned short channel) const;
    // The channel's record; an empty one for a channel that does not exist.
    const MedicalApplianceResult &recordOf(unsigned short channel) const;
    void fillApplianceData(Slot &slot, const QString &make, const QString &model,
                           const QString &eutSerial, const QString &sequenceName,
                           const QByteArray &sequenceData);
    static void setResults(Slot &slot);
    static void store(Slot &slot);
    static void deleteAt(Slot &slot, int index);
    static void deleteAll(Slot &slot);
    static TestResultElement *at(const Slot &slot, int index);
    static QByteArray fileContent(const MedicalApplianceResult &record);
    static bool write(const QString &fileName, const QByteArray &content);
    static bool save(const MedicalApplianceResult &record);
    // Cuts both test lists after their last whole element; true when that cut anything.
    static bool keepWholeElements(MedicalApplianceResult &record);
    // Stores the records of an exchange file's content; the last record read goes to last.
    static ImportReport storeRecords(const QByteArray &data, MedicalApplianceResult &last,
                                     bool &anyRead, ImportProgress *progress);
    // fileName, or when that is empty a name for a record that cannot name its own file.
    static QString importedFileName(const QString &fileName, const MedicalApplianceResult &record,
                                    const QByteArray &content, FreeResultNames &names,
                                    bool &renamed);

    Slot m_current;
    Slot m_channels[CHANNELS];
};
