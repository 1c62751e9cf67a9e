#include "TestResultManager.h"

#include "AtomicFile.h"
#include "DevicePath.h"
#include "DevicePaths.h"
#include "ElementResultBuilder.h"
#include "FileUtils.h"
#include "FreeResultNames.h"
#include "ImportWarning.h"
#include "SettingsConstants.h"
#include "SettingsReader.h"
#include "StoredName.h"
#include "StreamHelper.h"
#include "TestElementDetails.h"
#include "TestResultElementFlowTest.h"
#include "TestResultElementOccTest.h"
#include "TestResultElementPCATest.h"
#include "TestResultElementUserTest.h"
#include "TestResultFactory.h"
#include "TestSequenceFactory.h"
#include "TestSequenceManager.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTextStream>
#include <QTime>

const QString TestResultManager::assetResultsDirectory =
    DevicePaths::dataPartition + QStringLiteral("/testResults");

namespace {
constexpr quint16 FILE_VERSION = 1;
constexpr quint16 KIND_RESULTS = 0;
// Weeks of per-second samples: far beyond any result the instrument records. A larger
// file is not a result, and is neither read nor written.
constexpr qint64 MAX_RESULT_FILE_BYTES = 64 * 1024 * 1024;
// Stands for the date and time of a record that has no valid date.
const QString NO_DATE_STAMP = QStringLiteral("00000000_000000");

struct PressureDisplay
{
    std::function<float(float)> value;
    std::function<QString()> unit;
};

PressureDisplay &pressureDisplay()
{
    static PressureDisplay display;
    return display;
}

float displayedPressure(float mmHg)
{
    return pressureDisplay().value ? pressureDisplay().value(mmHg) : mmHg;
}

QString pressureUnit()
{
    return pressureDisplay().unit ? pressureDisplay().unit() : QStringLiteral("mmHg");
}

QString number(double value)
{
    return QString::number(value, 'f', 2);
}

// Time of day s seconds after midnight, so it wraps after 24 hours.
QString duration(quint32 seconds)
{
    return QTime(0, 0).addSecs(int(seconds % 86400)).toString(QStringLiteral("hh:mm:ss"));
}

// A test's verdict. The overall line says only "Pass" or "Fail" (information only
// counts as a pass there), which is all the PC software reading these files knows.
QString verdict(int status)
{
    switch (status) {
    case TEST_PASS:
        return TestResultManager::tr("Pass");
    case TEST_INFORMATION_ONLY:
        return TestResultManager::tr("Information Only");
    default:
        return TestResultManager::tr("Fail");
    }
}

QString overallVerdict(int status)
{
    return status == TEST_FAIL ? TestResultManager::tr("Fail") : TestResultManager::tr("Pass");
}

// A field holding a separator, a quote or a line break is quoted, quotes doubled; any
// other field goes out as it is.
QString csvField(const QString &field)
{
    static const QRegularExpression special(QStringLiteral("[,\"\r\n]"));
    if (!field.contains(special))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// Text that came from outside (a scanner, the PC, an imported file) and that a spreadsheet
// would take for a formula gets a leading apostrophe, which keeps it text there.
QString inertText(const QString &text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && formulaStarts.contains(text.at(0)))
        return QLatin1Char('\'') + text;
    return text;
}

void csvLine(QTextStream &out, const QStringList &fields)
{
    QStringList escaped;
    escaped.reserve(fields.size());
    for (const QString &field : fields)
        escaped << csvField(field);
    out << escaped.join(QLatin1Char(',')) << '\n';
}

QString limitTypeText(quint32 limitType)
{
    switch (limitType) {
    case 0:
        return TestResultManager::tr("Instantaneous flow");
    case 1:
        return TestResultManager::tr("Average Flow");
    case 2:
        return TestResultManager::tr("Expected Volume");
    default:
        return QString();
    }
}

// The asset identity is the file name without its "_DDMMYYYY_HHMMSS" ending, so an
// identity that holds "_" itself is kept whole.
QString assetOfFileName(const QString &fileName)
{
    constexpr int STAMP = 16;
    const int start = fileName.size() - STAMP;
    if (start < 0)
        return fileName;
    for (int i = 0; i < STAMP; ++i) {
        const QChar c = fileName.at(start + i);
        const bool separator = i == 0 || i == 9;
        if (separator ? c != QLatin1Char('_') : !c.isDigit())
            return fileName;
    }
    return fileName.left(start);
}

QString readSetting(const SettingsReader &settings, const QString &key)
{
    return settings.value(key, SETTINGS_DEFAULT_SERIAL_NUM).toString();
}

// A name that stays inside the results directory.
bool isResultName(const QString &fileName)
{
    return StoredName::isUsable(fileName) && !fileName.contains(QLatin1Char('/'));
}
} // namespace

TestResultManager *TestResultManager::getInstance()
{
    static TestResultManager *instance = new TestResultManager;
    return instance;
}

TestResultManager::TestResultManager()
{
    createApplianceResultDirectory();
}

TestResultManager::~TestResultManager()
{
    deleteAll(m_current);
    for (Slot &slot : m_channels)
        deleteAll(slot);
}

QString TestResultManager::directory()
{
    return DevicePath::path(assetResultsDirectory);
}

void TestResultManager::makeValidFileName(QString &name)
{
    name = StoredName::withoutBlanks(name);
}

void TestResultManager::makeValidApplianceName(QString &name)
{
    name = StoredName::withoutForbidden(name);
}

namespace {
// The asset part of a file name: cleaned, and without leading dots, since a name that
// starts with a dot is a hidden file, which no listing shows.
QString assetPart(const QString &applianceName)
{
    QString asset = StoredName::withoutBlanks(applianceName);
    while (asset.startsWith(QLatin1Char('.')))
        asset.remove(0, 1);
    return asset;
}

// "DDMMYYYY_HHMMSS"
QString dateStamp(const QDateTime &date)
{
    const QDate d = date.date();
    const QTime t = date.time();
    return QStringLiteral("%1%2%3_%4%5%6")
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(d.year(), 4, 10, QLatin1Char('0'))
        .arg(t.hour(), 2, 10, QLatin1Char('0'))
        .arg(t.minute(), 2, 10, QLatin1Char('0'))
        .arg(t.second(), 2, 10, QLatin1Char('0'));
}
} // namespace

QString TestResultManager::fileNameFor(const MedicalApplianceResult &record)
{
    const QString asset = assetPart(record.applianceName);
    if (!record.testDate.isValid())
        return QString();
    // The identity is joined, not put through arg(): a "%2" in it must stay text.
    QString name = asset + QLatin1Char('_') + dateStamp(record.testDate);
    makeValidFileName(name);
    return name;
}

bool TestResultManager::identityNamesFile(const QString &applianceName)
{
    return !assetPart(applianceName).isEmpty();
}

QString TestResultManager::importedFileName(const QString &fileName,
                                            const MedicalApplianceResult &record,
                                            const QByteArray &content, FreeResultNames &names,
                                            bool &renamed)
{
    renamed = fileName.isEmpty();
    if (!renamed)
        return fileName;
    // The same form with what is there: the identity as far as it cleans to anything,
    // a placeholder for a date that is not valid. Such a name may be shared by records
    // that differ, so it never replaces another record, only the same one imported again.
    QString base = assetPart(record.applianceName) + QLatin1Char('_')
        + (record.testDate.isValid() ? dateStamp(record.testDate) : NO_DATE_STAMP);
    makeValidFileName(base);
    return names.nameFor(base, content);
}

void TestResultManager::setPressureDisplay(std::function<float(float)> value,
                                           std::function<QString()> unit)
{
    pressureDisplay() = {std::move(value), std::move(unit)};
}

bool TestResultManager::applianceResultExists(const QString &fileName) const
{
    return isResultName(fileName) && QFileInfo(directory() + QLatin1Char('/') + fileName).isFile();
}

QMap<QString, QString> TestResultManager::getApplianceResultList() const
{
    QMap<QString, QString> list;
    // Names only: no file is opened, and the map does the ordering (an iterator lists
    // thousands of results several times faster than a sorted entry list). Regular files
    // alone: a link, a FIFO or a device is no result, and opening one could hang or
    // read without end.
    QDirIterator it(directory(), QDir::Files | QDir::NoSymLinks);
    while (it.hasNext()) {
        it.next();
        const QString file = it.fileName();
        list.insert(file, assetOfFileName(file));
    }
    return list;
}

bool TestResultManager::openApplianceResult(const QString &fileName, bool withResults)
{
    QByteArray data;
    if (!applianceResultExists(fileName)
        || !FileUtils::readBounded(directory() + QLatin1Char('/') + fileName,
                                   MAX_RESULT_FILE_BYTES, data))
        return false;
    QDataStream in(data);
    StreamHelper::setup(in);
    quint16 version = 0, kind = 0;
    in >> version >> kind;
    MedicalApplianceResult record;
    // A record whose results are cut or hold an element that is not whole still shows
    // its asset and every whole test.
    bool resultsCut = false;
    if (in.status() != QDataStream::Ok || !readRecord(in, record, resultsCut))
        return false;
    QList<TestResultElement *> results;
    if (withResults)
        TestResultFactory::readWholeElements(record.testResultsData, results);
    deleteAll(m_current);
    m_current.record = record;
    m_current.results = results;
    return true;
}

bool TestResultManager::readApplianceResultHead(const QString &fileName,
                                                MedicalApplianceResult &head) const
{
    if (!isResultName(fileName))
        return false;
    const QString path = directory() + QLatin1Char('/') + fileName;
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MAX_RESULT_FILE_BYTES)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Streamed from the file, so the results (nearly all of its bytes) are never read.
    QDataStream in(&file);
    StreamHelper::setup(in);
    quint16 version = 0, kind = 0;
    in >> version >> kind;
    MedicalApplianceResult record;
    if (in.status() != QDataStream::Ok || !readRecordHead(in, record))
        return false;
    head = record;
    return true;
}

bool TestResultManager::removeApplianceResult(const QString &fileName)
{
    return applianceResultExists(fileName)
        && QFile::remove(directory() + QLatin1Char('/') + fileName);
}

TestResultManager::Slot *TestResultManager::slotFor(unsigned short channel)
{
    return channel < CHANNELS ? &m_channels[channel] : nullptr;
}

const TestResultManager::Slot *TestResultManager::slotFor(unsigned short channel) const
{
    return channel < CHANNELS ? &m_channels[channel] : nullptr;
}

void TestResultManager::setAssetId(const QString &id)
{
    m_current.record.applianceName = id;
}

void TestResultManager::setAssetId(const QString &id, unsigned short channel)
{
    if (Slot *slot = slotFor(channel))
        slot->record.applianceName = id;
}

void TestResultManager::setCurrentOverallStatus(TEST_RESULT_STATUS status)
{
    m_current.record.overallResult = status;
}

void TestResultManager::setCurrentOverallStatus(TEST_RESULT_STATUS status, unsigned short channel)
{
    if (Slot *slot = slotFor(channel))
        slot->record.overallResult = status;
}

void TestResultManager::fillApplianceData(Slot &slot, const QString &make, const QString &model,
                                          const QString &eutSerial, const QString &sequenceName,
                                          const QByteArray &sequenceData)
{
    MedicalApplianceResult &r = slot.record;
    const QString empty = QLatin1String("");
    r.applianceDescription = empty;
    r.clientName = empty;
    r.comments = empty;
    r.locationName = empty;
    r.siteName = empty;
    r.userName = empty;
    r.retestPeriod = 9;
    const SettingsReader settings;
    r.serialNo = readSetting(settings, SETTINGS_KEY_SERIAL_NUM);
    r.testDate = QDateTime::currentDateTime();
    r.make = make;
    r.model = model;
    r.eut_serialNo = eutSerial;
    r.testSequenceName = sequenceName;
    r.testSequenceData = sequenceData;
}

void TestResultManager::setApplianceData(const QString &make, const QString &model,
                                         const QString &eutSerial)
{
    TestSequenceManager *sequences = TestSequenceManager::getInstance();
    QByteArray data;
    sequences->copyTestDataIntoByteArray(data);
    fillApplianceData(m_current, make, model, eutSerial, sequences->getCurrentTestSequenceName(),
                      data);
}

void TestResultManager::setApplianceData(const QString &make, const QString &model,
                                         const QString &eutSerial, unsigned short channel)
{
    Slot *slot = slotFor(channel);
    if (!slot)
        return;
    TestSequenceManager *sequences = TestSequenceManager::getInstance();
    QByteArray data;
    sequences->copyTestDataIntoByteArray(data, channel);
    fillApplianceData(*slot, make, model, eutSerial,
                      sequences->getCurrentTestSequenceName(channel), data);
}

void TestResultManager::setResults(Slot &slot)
{
    slot.record.testResultsData = TestResultFactory::toByteArray(slot.results);
}

void TestResultManager::setApplianceResults()
{
    setResults(m_current);
}

void TestResultManager::setApplianceResults(unsigned short channel)
{
    if (Slot *slot = slotFor(channel))
        setResults(*slot);
}

void TestResultManager::setCurrentTestResult(TestResultElement *element)
{
    m_current.staged = element;
}

void TestResultManager::setCurrentTestResult(TestResultElement *element, unsigned short channel)
{
    if (Slot *slot = slotFor(channel))
        slot->staged = element;
}

void TestResultManager::store(Slot &slot)
{
    if (slot.staged && !slot.results.contains(slot.staged))
        slot.results.append(slot.staged);
    slot.staged = nullptr;
}

void TestResultManager::storeCurrentTestResult()
{
    store(m_current);
}

void TestResultManager::storeCurrentTestResult(unsigned short channel)
{
    if (Slot *slot = slotFor(channel))
        store(*slot);
}

void TestResultManager::addTestResult(TestResultElement *element)
{
    if (element && !m_current.results.contains(element))
        m_current.results.append(element);
}

void TestResultManager::addTestResult(TestResultElement *element, unsigned short channel)
{
    Slot *slot = slotFor(channel);
    if (slot && element && !slot->results.contains(element))
        slot->results.append(element);
}

TestResultElement *TestResultManager::getCurrentTestResult() const
{
    return m_current.staged;
}

TestResultElement *TestResultManager::getCurrentTestResult(unsigned short channel) const
{
    const Slot *slot = slotFor(channel);
    return slot ? slot->staged : nullptr;
}

TestResultElement *TestResultManager::at(const Slot &slot, int index)
{
    return index >= 0 && index < slot.results.size() ? slot.results.at(index) : nullptr;
}

TestResultElement *TestResultManager::getTestResultPtr(int index) const
{
    return at(m_current, index);
}

TestResultElement *TestResultManager::getTestResultPtr(int index, unsigned short channel) const
{
    const Slot *slot = slotFor(channel);
    return slot ? at(*slot, index) : nullptr;
}

int TestResultManager::getCurrentTestResultSize() const
{
    return m_current.results.size();
}

int TestResultManager::getCurrentTestResultSize(unsigned short channel) const
{
    const Slot *slot = slotFor(channel);
    return slot ? slot->results.size() : 0;
}

int TestResultManager::getCurrentTestResultNames(QStringList &names) const
{
    names.clear();
    for (const TestResultElement *element : m_current.results) {
        if (const auto *details = TestElementDetails::getInstance()->getDetails(element->id))
            names << details->name();
    }
    return m_current.results.size();
}

void TestResultManager::deleteAt(Slot &slot, int index)
{
    if (index >= 0 && index < slot.results.size())
        delete slot.results.takeAt(index);
}

void TestResultManager::deleteTestResult(int index)
{
    deleteAt(m_current, index);
}

void TestResultManager::deleteTestResult(int index, unsigned short channel)
{
    if (Slot *slot = slotFor(channel))
        deleteAt(*slot, index);
}

void TestResultManager::deleteAll(Slot &slot)
{
    qDeleteAll(slot.results);
    slot.results.clear();
}

void TestResultManager::deleteAllTestResults()
{
    deleteAll(m_current);
}

void TestResultManager::deleteAllTestResults(unsigned short channel)
{
    if (Slot *slot = slotFor(channel))
        deleteAll(*slot);
}

QByteArray TestResultManager::fileContent(const MedicalApplianceResult &record)
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    StreamHelper::setup(out);
    out << FILE_VERSION << KIND_RESULTS << record;
    return data;
}

bool TestResultManager::write(const QString &fileName, const QByteArray &content)
{
    if (fileName.isEmpty() || content.size() > MAX_RESULT_FILE_BYTES)
        return false;
    QDir().mkpath(directory());
    return AtomicFile::write(directory() + QLatin1Char('/') + fileName, content);
}

bool TestResultManager::save(const MedicalApplianceResult &record)
{
    return write(fileNameFor(record), fileContent(record));
}

bool TestResultManager::saveCurrentApplianceResult()
{
    return save(m_current.record);
}

bool TestResultManager::saveCurrentApplianceResult(unsigned short channel)
{
    const Slot *slot = slotFor(channel);
    return slot && save(slot->record);
}

QString TestResultManager::getCurrentAssetId() const
{
    return m_current.record.applianceName;
}

QString TestResultManager::getCurrentAssetId(unsigned short channel) const
{
    return recordOf(channel).applianceName;
}

TEST_RESULT_STATUS TestResultManager::getCurrentAssetStatus() const
{
    return m_current.record.overallResult;
}

TEST_RESULT_STATUS TestResultManager::getCurrentAssetStatus(unsigned short channel) const
{
    return recordOf(channel).overallResult;
}

QDateTime TestResultManager::getCurrentAssetDateTime() const
{
    return m_current.record.testDate;
}

QDateTime TestResultManager::getCurrentAssetDateTime(unsigned short channel) const
{
    return recordOf(channel).testDate;
}

QString TestResultManager::getCurrentApplianceResultSequenceName() const
{
    return m_current.record.testSequenceName;
}

QString TestResultManager::getCurrentApplianceResultSequenceName(unsigned short channel) const
{
    return recordOf(channel).testSequenceName;
}

MedicalApplianceResult TestResultManager::currentApplianceResult() const
{
    return m_current.record;
}

MedicalApplianceResult TestResultManager::currentApplianceResult(unsigned short channel) const
{
    return recordOf(channel);
}

const MedicalApplianceResult &TestResultManager::recordOf(unsigned short channel) const
{
    static const MedicalApplianceResult none;
    const Slot *slot = slotFor(channel);
    return slot ? slot->record : none;
}

void TestResultManager::copyTestDataIntoByteArray(QByteArray &data) const
{
    data.append(TestResultFactory::toByteArray(m_current.results));
}

void TestResultManager::copyTestDataIntoByteArray(QByteArray &data, unsigned short channel) const
{
    if (const Slot *slot = slotFor(channel))
        data.append(TestResultFactory::toByteArray(slot->results));
}

void TestResultManager::createApplianceResultDirectory() const
{
    QDir().mkpath(directory());
}

bool TestResultManager::addFileHeader(QIODevice &file)
{
    QDataStream out(&file);
    StreamHelper::setup(out);
    out << FILE_VERSION << KIND_RESULTS;
    return out.status() == QDataStream::Ok;
}

bool TestResultManager::appendCurrentApplianceResultToFile(QIODevice &file)
{
    QDataStream out(&file);
    StreamHelper::setup(out);
    out << m_current.record;
    return out.status() == QDataStream::Ok;
}

bool TestResultManager::keepWholeElements(MedicalApplianceResult &record)
{
    QList<TestSequenceElement *> steps;
    QList<TestResultElement *> results;
    const int wholeSteps = TestSequenceFactory::readWholeElements(record.testSequenceData, steps);
    const int wholeResults = TestResultFactory::readWholeElements(record.testResultsData, results);
    qDeleteAll(steps);
    qDeleteAll(results);
    const bool damaged = wholeSteps != record.testSequenceData.size()
        || wholeResults != record.testResultsData.size();
    record.testSequenceData.truncate(wholeSteps);
    record.testResultsData.truncate(wholeResults);
    return damaged;
}

ImportReport TestResultManager::importApplianceResults(const QByteArray &data,
                                                       const ImportRunner &run,
                                                       ImportProgress *progress)
{
    ImportReport report;
    QDataStream in(data);
    StreamHelper::setup(in);
    quint16 version = 0, kind = 0;
    in >> version >> kind;
    if (in.status() != QDataStream::Ok || kind != KIND_RESULTS) {
        ImportWarning::showFormatWarning();
        report.wrongKind = true;
        return report;
    }
    MedicalApplianceResult last;
    bool anyRead = false;
    const auto store = [&] { report = storeRecords(data, last, anyRead, progress); };
    if (run)
        run(store);
    else
        store();
    if (anyRead)
        m_current.record = last;
    return report;
}

ImportReport TestResultManager::storeRecords(const QByteArray &data, MedicalApplianceResult &last,
                                             bool &anyRead, ImportProgress *progress)
{
    ImportReport report;
    QDataStream in(data);
    StreamHelper::setup(in);
    in.skipRawData(4); // the header, checked by the caller
    FreeResultNames names(directory(), MAX_RESULT_FILE_BYTES);
    while (!in.atEnd()) {
        MedicalApplianceResult record;
        bool resultsCut = false;
        // A record cut before its results have no place to go: what follows it cannot
        // be found either.
        if (!readRecord(in, record, resultsCut)) {
            ++report.skipped;
            break;
        }
        const bool damaged = keepWholeElements(record) || resultsCut;
        const QByteArray content = fileContent(record);
        bool renamed = false;
        // A record whose identity cleans to nothing shares its name with every other such
        // record of its second: it is stored as one that cannot name itself.
        const QString ownName =
            identityNamesFile(record.applianceName) ? fileNameFor(record) : QString();
        const QString fileName = importedFileName(ownName, record, content, names, renamed);
        if (write(fileName, content)) {
            if (renamed)
                names.taken();
            ++report.stored;
            report.renamed += renamed ? 1 : 0;
            report.damaged += damaged ? 1 : 0;
        } else if (fileName.isEmpty()) {
            ++report.skipped;
        } else {
            report.saveFailed();
        }
        last = record;
        anyRead = true;
        if (progress)
            ++*progress;
    }
    return report;
}

void TestResultManager::sendCurrentApplianceCSVToStream(QTextStream &out, bool withResults)
{
    const MedicalApplianceResult &r = m_current.record;
    csvLine(out, {tr("Tested on"), r.testDate.toString(Qt::TextDate)});
    csvLine(out, {tr("Asset ID"), inertText(r.applianceName)});
    csvLine(out, {tr("Test Sequence"), inertText(r.testSequenceName)});
    csvLine(out, {tr("Overall Result"), overallVerdict(r.overallResult)});
    if (withResults) {
        out << "Results:\n";
        for (const TestResultElement *element : qAsConst(m_current.results)) {
            const auto *details = TestElementDetails::getInstance()->getDetails(element->id);
            if (!details)
                continue;
            QStringList fields = {details->name(), tr("Status:"), verdict(element->getStatus())};
            switch (element->id) {
            case TestElementDetails::USER_TEST:
                fields << tr("Text:") << inertText(element->getCustomName());
                if (element->getCustomUnits().isEmpty())
                    fields << QString() << QString() << QString();
                else
                    fields << tr("Result:") << number(element->getResult())
                           << inertText(element->getCustomUnits());
                csvLine(out, fields);
                break;
            case TestElementDetails::FLOW_TEST: {
                const auto *flow = static_cast<const TestResultElementFlowTest *>(element);
                const INFUSION_PUMP_TEST_DATA &d = flow->testData;
                const TestSequencePassFailLimits &l = flow->sequenceElement.limits;
                fields << tr("Flow Avg:") << number(d.fFlowRate_Ave) << tr("Flow Peak:")
                       << number(d.fFlowRate_Peak) << tr("Flow Min:") << number(d.fFlowRate_Min)
                       << tr("Volume:") << number(d.fVolume) << tr("Duration:")
                       << duration(d.u32ElapseTime) << tr("Limit Type:")
                       << limitTypeText(l.limitType) << tr("Target:") << number(l.flowTarget)
                       << tr("Upper % Limit:") << number(l.flowUpperPct) << tr("Lower % Limit:")
                       << number(l.flowLowerPct);
                csvLine(out, fields);
                break;
            }
            case TestElementDetails::PCA_TEST: {
                const auto *pca = static_cast<const TestResultElementPCATest *>(element);
                const TestSequencePassFailLimits &l = pca->sequenceElement.limits;
                fields << tr("Volume:") << number(pca->testData.fVolume) << tr("Duration:")
                       << duration(pca->testData.u32ElapseTime) << tr("Bolus Volume Target:")
                       << number(l.bolusTarget) << tr("Upper % Limit:") << number(l.bolusUpperPct)
                       << tr("Lower % Limit:") << number(l.bolusLowerPct);
                csvLine(out, fields);
                for (int j = 0; j < pca->boluses.size(); ++j) {
                    const PCA_TEST_DATA &b = pca->boluses.at(j);
                    csvLine(out, {QString(), tr("Bolus ") + QString::number(j),
                                  tr("Bolus Volume:"), number(b.fVolume_Bolus),
                                  tr("Bolus Flow Rate:"), number(b.fFlowRate_Bolus),
                                  tr("Bolus Duration:"), duration(b.u32BolusDuration)});
                }
                break;
            }
            case TestElementDetails::OCCLUSION_TEST: {
                const auto *occ = static_cast<const TestResultElementOccTest *>(element);
                const TestSequencePassFailLimits &l = occ->sequenceElement.limits;
                const QString unit = pressureUnit();
                fields << tr("Pump Type:")
                       << (occ->pumpType == 1 ? tr("Auto-Reverse") : tr("Manual"))
                       << tr("Peak Pressure:") << number(displayedPressure(occ->testData.s16Pressure_Peak))
                       << unit << tr("Back-Off Pressure:")
                       << number(displayedPressure(occ->testData.s16Pressure_BackOff)) << unit
                       << tr("Volume:") << number(occ->testData.fVolume)
                       << tr("Upper Pressure Limit:") << number(displayedPressure(l.upperPressure))
                       << unit << tr("Lower Pressure Limit:")
                       << number(displayedPressure(l.lowerPressure)) << unit;
                csvLine(out, fields);
                break;
            }
            default:
                break;
            }
        }
    }
    out << '\n';
}

int TestResultManager::exportApplianceResults(const QString &path, const QStringList &fileNames)
{
    AtomicFile file(path);
    if (!file.open() || !addFileHeader(file.device()))
        return -1;
    int exported = 0;
    for (const QString &fileName : fileNames) {
        if (!openApplianceResult(fileName, true))
            continue;
        if (!appendCurrentApplianceResultToFile(file.device()))
            return -1;
        ++exported;
    }
    return file.commit() ? exported : -1;
}

int TestResultManager::exportApplianceResultsCSV(const QString &path, const QStringList &fileNames)
{
    AtomicFile file(path);
    if (!file.open())
        return -1;
    QTextStream out(&file.device());
    out.setCodec("UTF-8");
    int exported = 0;
    for (const QString &fileName : fileNames) {
        if (!openApplianceResult(fileName, true))
            continue;
        sendCurrentApplianceCSVToStream(out, true);
        ++exported;
    }
    out.flush();
    if (out.status() != QTextStream::Ok)
        return -1;
    return file.commit() ? exported : -1;
}

void TestResultManager::createTestData(int count, int sampleCount, unsigned short channel)
{
    QRandomGenerator *random = QRandomGenerator::global();
    const ElementResultBuilder::SerialNumbers serials = ElementResultBuilder::readSerialNumbers(channel);
    const QString &serial = serials.instrument;
    const QString &boardSerial = serials.channel;
    auto measurement = [random]() {
        INFUSION_PUMP_TEST_DATA d;
        d.fFlowRate_Ave = float(random->bounded(200.0));
        d.fFlowRate_Peak = d.fFlowRate_Ave * 1.1f;
        d.fFlowRate_Min = d.fFlowRate_Ave * 0.9f;
        d.fVolume = float(random->bounded(100.0));
        d.u32ElapseTime = random->bounded(3600u);
        d.s16Pressure_Peak = qint16(random->bounded(600));
        d.s16Pressure_BackOff = qint16(random->bounded(100));
        return d;
    };
    for (int i = 0; i < count; ++i) {
        TestSequenceManager::getInstance()->clearCurrentTestSequence();
        deleteAllTestResults();
        setAssetId(QStringLiteral("testAsset_%1").arg(i));
        const TEST_RESULT_STATUS status = i % 3 == 0 ? TEST_FAIL : TEST_PASS;
        setCurrentOverallStatus(status);
        QVector<INFUSION_PUMP_REAL_TIME_DATA> samples(qMax(0, sampleCount));
        for (int s = 0; s < samples.size(); ++s) {
            INFUSION_PUMP_REAL_TIME_DATA &sample = samples[s];
            sample.u32ElapseTime = quint32(s);
            sample.fFlowRate_Instant = float(random->bounded(200.0));
            sample.fFlowRate_Ave = float(random->bounded(200.0));
            sample.fVolume = float(s) / 36.0f;
            sample.s16Pressure = qint16(random->bounded(600));
        }
        auto stamp = [&](TestResultElement *element) {
            element->status = status;
            element->channelId = quint16(channel + 1);
            element->serialNumber = serial;
            element->channelSerialNumber = boardSerial;
            setCurrentTestResult(element);
            storeCurrentTestResult();
        };
        auto *occ = new TestResultElementOccTest;
        occ->samples = samples.mid(0, 60);
        occ->testData = measurement();
        stamp(occ);
        auto *pca = new TestResultElementPCATest;
        pca->samples = samples.mid(0, 600);
        pca->testData = measurement();
        for (int b = 0, n = random->bounded(5); b < n; ++b) {
            PCA_TEST_DATA bolus;
            bolus.u16BolusCount = quint16(b + 1);
            bolus.fVolume_Bolus = float(random->bounded(5.0));
            bolus.fFlowRate_Bolus = float(random->bounded(500.0));
            bolus.u32BolusDuration = random->bounded(60u);
            pca->boluses.append(bolus);
        }
        stamp(pca);
        auto *flow = new TestResultElementFlowTest;
        flow->samples = samples;
        flow->testData = measurement();
        stamp(flow);
        setApplianceData(QStringLiteral("Make"), QStringLiteral("Model"),
                         QStringLiteral("Serial Number"));
        setApplianceResults();
        saveCurrentApplianceResult();
    }
}
