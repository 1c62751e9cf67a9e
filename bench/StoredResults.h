#pragma once

// 10,000 stored results in a scratch device root, laid out once per benchmark program:
// a two-minute flow test and a user test per asset, about 4 KB a file.
#include "StreamHelper.h"
#include "TestResultElementFlowTest.h"
#include "TestResultElementUserTest.h"
#include "TestResultFactory.h"
#include "TestResultManager.h"
#include "TestSequenceElementFlowTest.h"
#include "TestSequenceFactory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace StoredResults
{
inline constexpr int STORED_RESULTS = 10000;
inline constexpr int SAMPLES = 120;

struct Store {
    QTemporaryDir root;
    QStringList fileNames;

    Store()
    {
        qputenv("INSTRUMENT_ROOT", QFile::encodeName(root.path()));
        TestResultManager *manager = TestResultManager::getInstance();
        const QString dir = TestResultManager::directory();
        QDir().mkpath(dir);

        auto *flow = new TestResultElementFlowTest;
        flow->status = TEST_PASS;
        flow->channelId = 1;
        flow->serialNumber = "SN-0001";
        flow->testData.fFlowRate_Ave = 99.5f;
        flow->testData.u32ElapseTime = SAMPLES;
        for (int s = 0; s < SAMPLES; ++s) {
            INFUSION_PUMP_REAL_TIME_DATA sample;
            sample.u32ElapseTime = quint32(s);
            sample.fFlowRate_Instant = 100.0f + s % 7;
            sample.fVolume = s / 36.0f;
            flow->samples.append(sample);
        }
        auto *user = new TestResultElementUserTest;
        user->testName = "Occlusion alarm sounds";
        user->status = TEST_PASS;
        QList<TestResultElement *> results{flow, user};
        QList<TestSequenceElement *> steps{new TestSequenceElementFlowTest};

        MedicalApplianceResult record;
        record.overallResult = TEST_PASS;
        record.retestPeriod = 9;
        record.serialNo = "SN-0001";
        record.testSequenceName = "Ward1";
        record.testSequenceData = TestSequenceFactory::toByteArray(steps);
        record.testResultsData = TestResultFactory::toByteArray(results);
        const QDateTime start(QDate(2024, 3, 5), QTime(9, 0));
        for (int i = 0; i < STORED_RESULTS; ++i) {
            record.applianceName = QStringLiteral("PUMP %1").arg(i);
            record.testDate = start.addSecs(i * 37);
            QByteArray bytes;
            QDataStream out(&bytes, QIODevice::WriteOnly);
            StreamHelper::setup(out);
            out << quint16(1) << quint16(0) << record;
            const QString name = TestResultManager::fileNameFor(record);
            QFile file(dir + "/" + name);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                qFatal("cannot lay out the store");
            fileNames << name;
        }
        qDeleteAll(results);
        qDeleteAll(steps);
        manager->openApplianceResult(fileNames.first(), true);
    }
};

inline Store &store()
{
    static Store s;
    return s;
}
} // namespace StoredResults
