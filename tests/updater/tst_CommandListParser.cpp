#include "TestRegistry.h"
#include "UpdateCommandList.h"

#include <QTest>

// The lines of "update_config" as the updater reads them, before anything runs.
class CommandListParserTest : public QObject
{
    Q_OBJECT
private slots:
    void parseLine_data();
    void parseLine();
    void packagePaths_data();
    void packagePaths();
    void splitLines_data();
    void splitLines();
};

Q_DECLARE_METATYPE(UpdateCommandList::Kind)

void CommandListParserTest::parseLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<UpdateCommandList::Kind>("kind");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("pic");
    using L = UpdateCommandList;
    QTest::newRow("system") << "SYSTEM:NAND" << L::System << "SYSTEM" << "NAND" << 0;
    QTest::newRow("app") << "APP:/Rondix" << L::App << "APP" << "/Rondix" << 0;
    QTest::newRow("kernel") << "KERNEL:/uImage" << L::Kernel << "KERNEL" << "/uImage" << 0;
    QTest::newRow("image") << "IMAGE:/rootfs.ubi" << L::Image << "IMAGE" << "/rootfs.ubi" << 0;
    QTest::newRow("file") << "FILE:/etc" << L::File << "FILE" << "/etc" << 0;
    QTest::newRow("script") << "SCRIPT:/a.sh" << L::Script << "SCRIPT" << "/a.sh" << 0;
    QTest::newRow("pic1") << "PIC1:/c.hex" << L::Pic << "PIC1" << "/c.hex" << 1;
    QTest::newRow("pic4") << "PIC4:/c.hex" << L::Pic << "PIC4" << "/c.hex" << 4;
    QTest::newRow("pic0") << "PIC0:/c.hex" << L::Unknown << "PIC0" << "/c.hex" << 0;
    QTest::newRow("pic5") << "PIC5:/c.hex" << L::Unknown << "PIC5" << "/c.hex" << 0;
    QTest::newRow("pic alone") << "PIC:/c.hex" << L::Unknown << "PIC" << "/c.hex" << 0;
    QTest::newRow("pic12") << "PIC12:/c.hex" << L::Unknown << "PIC12" << "/c.hex" << 0;
    QTest::newRow("xpic1") << "XPIC1:/c.hex" << L::Unknown << "XPIC1" << "/c.hex" << 0;
    QTest::newRow("esa io app") << "ESA_IO_APP:/a" << L::EsaIoApp << "ESA_IO_APP" << "/a" << 0;
    QTest::newRow("esa m app") << "ESA_M_APP:/a" << L::EsaMeasurementApp << "ESA_M_APP" << "/a" << 0;
    QTest::newRow("esa io eep") << "ESA_IO_EEP:/a" << L::EsaIoEeprom << "ESA_IO_EEP" << "/a" << 0;
    QTest::newRow("esa m eep") << "ESA_M_EEP:/a" << L::EsaMeasurementEeprom << "ESA_M_EEP" << "/a" << 0;
    QTest::newRow("esa by substring") << "X_ESA_M_EEP2:/a" << L::EsaMeasurementEeprom << "X_ESA_M_EEP2" << "/a"
                                      << 0;
    QTest::newRow("lower case") << "app:/Rondix" << L::Unknown << "app" << "/Rondix" << 0;
    QTest::newRow("not trimmed") << "APP :/Rondix" << L::Unknown << "APP " << "/Rondix" << 0;
    QTest::newRow("empty parts kept") << ":" << L::Unknown << "" << "" << 0;
    QTest::newRow("empty line") << "" << L::BadLine << "" << "" << 0;
    QTest::newRow("no colon") << "APP" << L::BadLine << "" << "" << 0;
    QTest::newRow("two colons") << "SCRIPT:/x:12" << L::BadLine << "" << "" << 0;
}

void CommandListParserTest::parseLine()
{
    QFETCH(QString, line);
    const UpdateCommandList::Entry e = UpdateCommandList::parseLine(line);
    QTEST(e.kind, "kind");
    QTEST(e.command, "command");
    QTEST(e.argument, "argument");
    QTEST(e.pic, "pic");
}

void CommandListParserTest::packagePaths_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<bool>("packagePath");
    QTest::addColumn<bool>("topLevel");
    QTest::newRow("top file") << "/rootfs.ubi" << true << true;
    QTest::newRow("nested") << "/etc/init.d/app" << true << false;
    QTest::newRow("dot dot") << "/../etc/passwd" << false << false;
    QTest::newRow("dot dot inside") << "/etc/../../x" << false << false;
    QTest::newRow("dot dot name part") << "/a..b" << true << true;
    QTest::newRow("relative") << "etc/passwd" << false << false;
    QTest::newRow("empty") << "" << false << false;
    QTest::newRow("root alone") << "/" << false << false;
    QTest::newRow("slashes alone") << "///" << false << false;
    QTest::newRow("root as dot") << "/." << false << false;
    QTest::newRow("root as dots and slashes") << "/././/" << false << false;
    QTest::newRow("dot inside") << "/./etc/." << true << false;
    QTest::newRow("blank inside") << "/my file" << true << true;
}

void CommandListParserTest::packagePaths()
{
    QFETCH(QString, argument);
    QTEST(UpdateCommandList::isPackagePath(argument), "packagePath");
    QTEST(UpdateCommandList::isTopLevelName(argument), "topLevel");
}

void CommandListParserTest::splitLines_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("final newline") << QByteArray("A:/1\nB:/2\n") << QStringList{"A:/1", "B:/2"};
    QTest::newRow("no final newline") << QByteArray("A:/1\nB:/2") << QStringList{"A:/1", "B:/2"};
    QTest::newRow("empty lines kept") << QByteArray("A:/1\n\nB:/2\n\n") << QStringList{"A:/1", "", "B:/2", ""};
    QTest::newRow("crlf") << QByteArray("A:/1\r\nB:/2\r\n") << QStringList{"A:/1", "B:/2"};
    QTest::newRow("lone newline") << QByteArray("\n") << QStringList{""};
}

void CommandListParserTest::splitLines()
{
    QFETCH(QByteArray, content);
    QTEST(UpdateCommandList::splitLines(content), "lines");
}

RONDIX_TEST(CommandListParserTest)
#include "tst_CommandListParser.moc"
