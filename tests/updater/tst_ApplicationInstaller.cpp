#include "ApplicationInstaller.h"
#include "TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace
{

const QByteArray NewProgram = "#!/bin/sh\necho new program\n";

bool writeFile(const QString &path, const QByteArray &content, mode_t mode)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           f.write(content) == content.size() &&
           chmod(QFile::encodeName(path).constData(), mode) == 0;
}

mode_t modeOf(const QString &path)
{
    struct stat st;
    return stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

QByteArray run(const QString &program)
{
    QProcess p;
    p.start(program, QStringList());
    if (!p.waitForFinished(10000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QByteArray();
    return p.readAllStandardOutput();
}

} // namespace

class ApplicationInstallerTest : public QObject
{
    Q_OBJECT
private slots:
    void installsARunnableProgram_data();
    void installsARunnableProgram();
    void failureKeepsTheOldProgram_data();
    void failureKeepsTheOldProgram();
};

void ApplicationInstallerTest::installsARunnableProgram_data()
{
    QTest::addColumn<int>("oldMode"); // 0: no program yet
    QTest::addColumn<bool>("leftoverLink");
    QTest::addColumn<int>("installedMode");
    QTest::newRow("replaces a 0755 program") << 0755 << false << 0755;
    QTest::newRow("keeps a stricter mode") << 0700 << false << 0700;
    QTest::newRow("first program") << 0 << false << 0755;
    QTest::newRow("leftover copy is a link") << 0755 << true << 0755;
}

void ApplicationInstallerTest::installsARunnableProgram()
{
    QFETCH(int, oldMode);
    QFETCH(bool, leftoverLink);
    QTemporaryDir dir;
    const QString source = dir.filePath("package/Rondix");
    const QString target = dir.filePath("bin/Rondix");
    QVERIFY(QDir().mkpath(dir.filePath("package")) && QDir().mkpath(dir.filePath("bin")));
    // As a package made on a PC carries it: no execute bits.
    QVERIFY(writeFile(source, NewProgram, 0644));
    if (oldMode)
        QVERIFY(writeFile(target, "#!/bin/sh\necho old\n", mode_t(oldMode)));
    const QString victim = dir.filePath("victim");
    if (leftoverLink) {
        QVERIFY(writeFile(victim, "precious", 0644));
        QVERIFY(QFile::link(victim, target + ".new"));
    }

    QString why;
    QVERIFY2(ApplicationInstaller::install(source, target, &why), qPrintable(why));
    QTEST(int(modeOf(target)), "installedMode");
    QCOMPARE(run(target), QByteArray("new program\n"));
    QVERIFY(!QFileInfo::exists(target + ".new") && !QFileInfo(target + ".new").isSymLink());
    if (leftoverLink) {
        QFile f(victim);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("precious"));
    }
}

void ApplicationInstallerTest::failureKeepsTheOldProgram_data()
{
    QTest::addColumn<QString>("source"); // below the temporary folder
    QTest::addColumn<bool>("copyBlocked");
    QTest::newRow("no such file") << "package/none" << false;
    QTest::newRow("a folder") << "package" << false;
    QTest::newRow("copy cannot be made") << "package/Rondix" << true;
}

void ApplicationInstallerTest::failureKeepsTheOldProgram()
{
    QFETCH(QString, source);
    QFETCH(bool, copyBlocked);
    QTemporaryDir dir;
    const QString target = dir.filePath("bin/Rondix");
    QVERIFY(QDir().mkpath(dir.filePath("package")) && QDir().mkpath(dir.filePath("bin")));
    QVERIFY(writeFile(dir.filePath("package/Rondix"), NewProgram, 0644));
    QVERIFY(writeFile(target, "#!/bin/sh\necho old\n", 0755));
    if (copyBlocked)
        QVERIFY(QDir().mkpath(target + ".new/busy"));

    QString why;
    QVERIFY(!ApplicationInstaller::install(dir.filePath(source), target, &why));
    QVERIFY(!why.isEmpty());
    QCOMPARE(run(target), QByteArray("old\n"));
    QCOMPARE(int(modeOf(target)), 0755);
}

RONDIX_TEST(ApplicationInstallerTest)
#include "tst_ApplicationInstaller.moc"
