// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// System Info: reading registry values as text, the two lookups that find
// the tool, and the stand-in registry of systems without one.
#include "about/SysInfo.h"
#include "about/frmAbout.h"
#include "platform/FakePlatform.h"
#include "platform/FakeSystemTools.h"
#ifndef _WIN32
#include "platform/UnixSystemTools.h"
#endif

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

namespace {
// A registry entry of a table row: no key, a key without the value asked
// for, or the value with one of the registry's types.
enum class Entry {
    noKey,
    keyWithoutValue,
    text,
    expandableText,
    binary,
    number,
};
} // namespace
Q_DECLARE_METATYPE(Entry)

namespace {
const std::string ownKey = "SOFTWARE\\Merovant\\Test";
const QString unavailable = QStringLiteral("System Information Is Unavailable At This Time");

std::string bytes(const QByteArray &data)
{
    return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

QByteArray raw(const char *data, qsizetype size)
{
    return QByteArray(data, size);
}

// A 32-bit number as the registry stores it, least significant byte first.
QByteArray number(quint32 value)
{
    QByteArray data;
    for (int i = 0; i < 4; ++i)
        data.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    return data;
}

QByteArray textOfSize(qsizetype size, bool finalNul)
{
    QByteArray data(size, 'x');
    if (finalNul)
        data.back() = '\0';
    return data;
}

QStringList strings(const std::vector<std::string> &list)
{
    QStringList out;
    for (const std::string &s : list)
        out.append(QString::fromStdString(s));
    return out;
}

std::set<std::string> stringSet(const QStringList &list)
{
    std::set<std::string> out;
    for (const QString &s : list)
        out.insert(s.toStdString());
    return out;
}

constexpr std::uint32_t writeRights = SystemTools::setValueRight | SystemTools::createSubKeyRight |
                                      SystemTools::createLinkRight | SystemTools::deleteRight |
                                      SystemTools::writeDacRight | SystemTools::writeOwnerRight;

// The registry's code for the type of a value.
std::uint32_t typeCode(Entry value)
{
    switch (value) {
    case Entry::text:
        return SystemTools::textType;
    case Entry::expandableText:
        return 2; // REG_EXPAND_SZ, which the program never reads
    case Entry::binary:
        return SystemTools::binaryType;
    case Entry::number:
        return SystemTools::numberType;
    case Entry::noKey:
    case Entry::keyWithoutValue:
        break;
    }
    Q_UNREACHABLE();
}

void setEntry(FakeSystemTools &tools, const std::string &key, const std::string &name, Entry entry,
              const QByteArray &data)
{
    if (entry == Entry::keyWithoutValue)
        tools.keys[key];
    else if (entry != Entry::noKey)
        tools.setValue(key, name, typeCode(entry), bytes(data));
}
} // namespace

class TestSysInfo : public QObject
{
    Q_OBJECT

private slots:
    void getKeyValue_data();
    void getKeyValue();
    void valueWithoutData_data();
    void valueWithoutData();
    void keysAreOpenedForReadingOnly();
    void aboutBoxReadsTextInSystemCodePage();
    void startSysInfo_data();
    void startSysInfo();
    void repeatedPressAfterFailure();
#ifndef _WIN32
    void standInRegistry_data();
    void standInRegistry();
    void standInFileCheck_data();
    void standInFileCheck();
#endif
};

void TestSysInfo::getKeyValue_data()
{
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("keyVal");

    const QByteArray before = "before";
    const QByteArray path = "C:\\Tools\\info.exe";
    QTest::newRow("text with final NUL loses only the NUL")
        << Entry::text << path + '\0' << true << path;
    QTest::newRow("text without final NUL keeps every character")
        << Entry::text << path << true << path;
    QTest::newRow("text with an inner NUL is cut by size, not at the NUL")
        << Entry::text << raw("ab\0cd\0", 6) << true << raw("ab\0cd", 5);
    QTest::newRow("one character and NUL")
        << Entry::text << raw("a\0", 2) << true << QByteArray("a");
    QTest::newRow("only a NUL gives empty text")
        << Entry::text << raw("\0", 1) << true << QByteArray();
    QTest::newRow("text of 1024 bytes with NUL is read whole")
        << Entry::text << textOfSize(1024, true) << true << QByteArray(1023, 'x');
    QTest::newRow("text of 1024 bytes without NUL is read whole")
        << Entry::text << textOfSize(1024, false) << true << QByteArray(1024, 'x');
    QTest::newRow("text of 1025 bytes is not found")
        << Entry::text << textOfSize(1025, true) << false << QByteArray();
    QTest::newRow("text of 4000 bytes is not found")
        << Entry::text << textOfSize(4000, false) << false << QByteArray();
    QTest::newRow("number with four non-zero bytes")
        << Entry::number << number(0x12345678) << true << QByteArray("&h12345678");
    QTest::newRow("number bytes below 16 keep a leading 0")
        << Entry::number << number(0x0A0B0C0D) << true << QByteArray("&h0A0B0C0D");
    QTest::newRow("number with top bit set")
        << Entry::number << number(0xFEDCBA98) << true << QByteArray("&hFEDCBA98");
    QTest::newRow("number whose most significant byte is zero gives six digits")
        << Entry::number << number(0x00ABCDEF) << true << QByteArray("&hABCDEF");
    QTest::newRow("number zero") << Entry::number << number(0) << true << QByteArray("&h000000");
    QTest::newRow("number of one byte")
        << Entry::number << raw("\x07", 1) << true << QByteArray("&h07");
    QTest::newRow("binary leaves the text unchanged")
        << Entry::binary << raw("\x01\x02\0", 3) << true << before;
    QTest::newRow("binary of 1024 bytes leaves the text unchanged")
        << Entry::binary << QByteArray(1024, '\x01') << true << before;
    QTest::newRow("binary of 1025 bytes is not found")
        << Entry::binary << QByteArray(1025, '\x01') << false << QByteArray();
    QTest::newRow("expandable text leaves the text unchanged")
        << Entry::expandableText << QByteArray("%SystemRoot%\\x.exe") + '\0' << true << before;
    QTest::newRow("missing value")
        << Entry::keyWithoutValue << QByteArray() << false << QByteArray();
    QTest::newRow("missing key") << Entry::noKey << QByteArray() << false << QByteArray();
}

void TestSysInfo::getKeyValue()
{
    QFETCH(Entry, entry);
    QFETCH(QByteArray, data);
    QFETCH(bool, found);
    QFETCH(QByteArray, keyVal);

    FakeSystemTools tools;
    setEntry(tools, ownKey, "Value", entry, data);
    std::string KeyVal = "before";
    QCOMPARE(SysInfo::GetKeyValue(tools, SystemTools::localMachine, ownKey, "Value", KeyVal),
             found);
    QCOMPARE(QByteArray::fromStdString(KeyVal), keyVal);
    QVERIFY2(tools.openKeys.empty(), "a key was left open");
}

void TestSysInfo::valueWithoutData_data()
{
    QTest::addColumn<Entry>("value");
    QTest::newRow("text") << Entry::text;
    QTest::newRow("number") << Entry::number;
    QTest::newRow("binary") << Entry::binary;
}

void TestSysInfo::valueWithoutData()
{
    QFETCH(Entry, value);
    FakeSystemTools tools;
    tools.setValue(ownKey, "Value", typeCode(value), {});
    std::string KeyVal = "before";
    QVERIFY_THROWS_EXCEPTION(
        std::invalid_argument,
        SysInfo::GetKeyValue(tools, SystemTools::localMachine, ownKey, "Value", KeyVal));
    QCOMPARE(KeyVal, std::string("before"));
    QVERIFY2(tools.openKeys.empty(), "a key was left open");
}

void TestSysInfo::keysAreOpenedForReadingOnly()
{
    FakeSystemTools tools;
    tools.keys[SysInfo::toolKey];
    tools.keys[SysInfo::locationKey];
    QVERIFY(!SysInfo::StartSysInfo(tools));

    QCOMPARE(tools.openings.size(), std::size_t{2});
    for (const FakeSystemTools::Opening &opening : tools.openings) {
        QCOMPARE(opening.root, SystemTools::localMachine);
        QCOMPARE(opening.options, 0u);
        QCOMPARE(opening.access & writeRights, 0u);
        QVERIFY(opening.access & SystemTools::queryValueRight);
    }
}

void TestSysInfo::aboutBoxReadsTextInSystemCodePage()
{
    FakePlatform platform;
    const QString path = QStringLiteral("C:\\Werkzeuge\\Übersicht.exe");
    platform.tools.setText(SysInfo::toolKey, SysInfo::toolValue, path.toLocal8Bit().toStdString());
    frmAbout box(platform);
    QString KeyVal;
    QVERIFY(box.GetKeyValue(SystemTools::localMachine, QString::fromLatin1(SysInfo::toolKey),
                            QStringLiteral("PATH"), KeyVal));
    QCOMPARE(KeyVal, path);
}

void TestSysInfo::startSysInfo_data()
{
    // Each of the two entries, and its data.
    QTest::addColumn<Entry>("firstEntry");
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<Entry>("secondEntry");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<QStringList>("plainFiles");
    QTest::addColumn<QStringList>("programs");
    QTest::addColumn<int>("lookups");
    QTest::addColumn<QStringList>("fileChecks");
    QTest::addColumn<QStringList>("starts");
    QTest::addColumn<bool>("message");

    const QByteArray tool = "C:\\Info\\tool.exe";
    const QByteArray folder = "C:\\Tools";
    const QString inFolder = QStringLiteral("C:\\Tools\\MSINFO32.EXE");
    const QStringList none;

    QTest::newRow("first entry starts unchecked, second missing")
        << Entry::text << tool + '\0' << Entry::noKey << QByteArray() << none << QStringList{tool}
        << 1 << none << QStringList{tool} << false;
    QTest::newRow("first entry wins over second")
        << Entry::text << tool + '\0' << Entry::text << folder + '\0' << QStringList{inFolder}
        << QStringList{tool, inFolder} << 1 << none << QStringList{tool} << false;
    QTest::newRow("first entry naming no program")
        << Entry::text << tool + '\0' << Entry::noKey << QByteArray() << none << none << 1 << none
        << QStringList{tool} << true;
    QTest::newRow("second entry with the program file")
        << Entry::noKey << QByteArray() << Entry::text << folder + '\0' << QStringList{inFolder}
        << QStringList{inFolder} << 2 << QStringList{inFolder} << QStringList{inFolder} << false;
    QTest::newRow("second entry after a first key without the value")
        << Entry::keyWithoutValue << QByteArray() << Entry::text << folder << QStringList{inFolder}
        << QStringList{inFolder} << 2 << QStringList{inFolder} << QStringList{inFolder} << false;
    QTest::newRow("second entry without the program file")
        << Entry::noKey << QByteArray() << Entry::text << folder + '\0' << none
        << QStringList{inFolder} << 2 << QStringList{inFolder} << none << true;
    QTest::newRow("neither entry") << Entry::noKey << QByteArray() << Entry::noKey << QByteArray()
                                   << none << none << 2 << none << none << true;
    QTest::newRow("neither value in existing keys")
        << Entry::keyWithoutValue << QByteArray() << Entry::keyWithoutValue << QByteArray() << none
        << none << 2 << none << none << true;
    QTest::newRow("first entry without data stops at once")
        << Entry::text << QByteArray() << Entry::text << folder + '\0' << QStringList{inFolder}
        << QStringList{inFolder} << 1 << none << none << true;
    QTest::newRow("first entry binary starts the empty path")
        << Entry::binary << raw("\x01\x02", 2) << Entry::noKey << QByteArray() << none << none << 1
        << none << QStringList{QString()} << true;
    QTest::newRow("first entry a number starts its text")
        << Entry::number << number(0x12345678) << Entry::noKey << QByteArray() << none << none << 1
        << none << QStringList{QStringLiteral("&h12345678")} << true;
    QTest::newRow("first entry too long falls back to second")
        << Entry::text << textOfSize(1025, true) << Entry::text << folder + '\0'
        << QStringList{inFolder} << QStringList{inFolder} << 2 << QStringList{inFolder}
        << QStringList{inFolder} << false;
    QTest::newRow("second entry without data")
        << Entry::noKey << QByteArray() << Entry::text << QByteArray() << none << none << 2 << none
        << none << true;
    QTest::newRow("second entry binary checks the root of the drive")
        << Entry::noKey << QByteArray() << Entry::binary << raw("\x01", 1) << none << none << 2
        << QStringList{QStringLiteral("\\MSINFO32.EXE")} << none << true;
    QTest::newRow("second entry file found but not startable")
        << Entry::noKey << QByteArray() << Entry::text << folder + '\0' << QStringList{inFolder}
        << none << 2 << QStringList{inFolder} << QStringList{inFolder} << true;
}

void TestSysInfo::startSysInfo()
{
    QFETCH(Entry, firstEntry);
    QFETCH(QByteArray, first);
    QFETCH(Entry, secondEntry);
    QFETCH(QByteArray, second);
    QFETCH(QStringList, plainFiles);
    QFETCH(QStringList, programs);
    QFETCH(int, lookups);
    QFETCH(QStringList, fileChecks);
    QFETCH(QStringList, starts);
    QFETCH(bool, message);

    FakePlatform platform;
    FakeSystemTools &tools = platform.tools;
    setEntry(tools, SysInfo::toolKey, SysInfo::toolValue, firstEntry, first);
    setEntry(tools, SysInfo::locationKey, SysInfo::locationValue, secondEntry, second);
    tools.plainFiles = stringSet(plainFiles);
    tools.programs = stringSet(programs);

    frmAbout box(platform);
    box.findChild<QPushButton *>(QStringLiteral("cmdSysInfo"))->click();

    QCOMPARE(tools.openings.size(), static_cast<std::size_t>(lookups));
    QCOMPARE(tools.openings.front().name, std::string(SysInfo::toolKey));
    if (lookups == 2)
        QCOMPARE(tools.openings.back().name, std::string(SysInfo::locationKey));
    QCOMPARE(strings(tools.fileChecks), fileChecks);
    QCOMPARE(strings(tools.starts), starts);
    QCOMPARE(platform.messages, message ? QStringList{unavailable} : QStringList{});
    QVERIFY2(tools.openKeys.empty(), "a key was left open");
}

void TestSysInfo::repeatedPressAfterFailure()
{
    FakePlatform platform;
    FakeSystemTools &tools = platform.tools;
    frmAbout box(platform);
    box.Show();
    auto *cmdSysInfo = box.findChild<QPushButton *>(QStringLiteral("cmdSysInfo"));

    cmdSysInfo->click();
    cmdSysInfo->click();
    QCOMPARE(platform.messages, (QStringList{unavailable, unavailable}));
    QCOMPARE(tools.openings.size(), std::size_t{4});
    QVERIFY(box.isVisible());

    // Nothing is remembered from the failures: a tool installed since is found.
    tools.setText(SysInfo::toolKey, SysInfo::toolValue, "C:\\Info\\tool.exe");
    tools.programs = {"C:\\Info\\tool.exe"};
    cmdSysInfo->click();
    QCOMPARE(platform.messages.size(), 2);
    QCOMPARE(strings(tools.starts), QStringList{QStringLiteral("C:\\Info\\tool.exe")});
}

#ifndef _WIN32
void TestSysInfo::standInRegistry_data()
{
    // Files to make, as "folder/name" with a mode: x executable, r readable
    // only, d a folder.
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("found"); // relative to the search root; empty: none

    QTest::newRow("none installed") << QStringList{} << QString();
    QTest::newRow("one installed")
        << QStringList{"bin1/kinfocenter:x"} << QStringLiteral("bin1/kinfocenter");
    QTest::newRow("one installed in the last folder of PATH")
        << QStringList{"bin2/cpu-x:x"} << QStringLiteral("bin2/cpu-x");
    QTest::newRow("the list's order decides")
        << QStringList{"bin1/gnome-system-monitor:x", "bin1/kinfocenter:x", "bin2/hardinfo:x"}
        << QStringLiteral("bin2/hardinfo");
    QTest::newRow("the path's order decides for one program")
        << QStringList{"bin1/hardinfo:x", "bin2/hardinfo:x"} << QStringLiteral("bin1/hardinfo");
    QTest::newRow("a file that is not executable does not count")
        << QStringList{"bin1/hardinfo:r", "bin2/cpu-x:x"} << QStringLiteral("bin2/cpu-x");
    QTest::newRow("a folder does not count") << QStringList{"bin1/hardinfo:d"} << QString();
}

void TestSysInfo::standInRegistry()
{
    QFETCH(QStringList, files);
    QFETCH(QString, found);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QDir dir(root.path());
    QVERIFY(dir.mkpath(QStringLiteral("bin1")) && dir.mkpath(QStringLiteral("bin2")));
    for (const QString &entry : files) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0);
        const QString mode = entry.section(QLatin1Char(':'), 1);
        if (mode == QLatin1String("d")) {
            QVERIFY(dir.mkpath(name));
            continue;
        }
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
        if (mode == QLatin1String("x"))
            permissions |= QFile::ExeOwner;
        QVERIFY(file.setPermissions(permissions));
    }

    // The folders are searched as PATH lists them; an empty entry is passed by.
    const QByteArray path = qgetenv("PATH");
    const auto restore = qScopeGuard([&path] { qputenv("PATH", path); });
    qputenv("PATH", QFile::encodeName(dir.filePath(QStringLiteral("bin1")) + QStringLiteral("::") +
                                      dir.filePath(QStringLiteral("bin2"))));
    UnixSystemTools tools(UnixSystemTools::pathDirs(), UnixSystemTools::wellKnownPrograms());
    std::string KeyVal;
    QCOMPARE(SysInfo::GetKeyValue(tools, SystemTools::localMachine, SysInfo::toolKey,
                                  SysInfo::toolValue, KeyVal),
             !found.isEmpty());
    QCOMPARE(QString::fromStdString(KeyVal), found.isEmpty() ? QString() : dir.filePath(found));

    // There is never a second entry to fall back on.
    QVERIFY(!SysInfo::GetKeyValue(tools, SystemTools::localMachine, SysInfo::locationKey,
                                  SysInfo::locationValue, KeyVal));
}

void TestSysInfo::standInFileCheck_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind"); // file, folder, or nothing
    QTest::addColumn<bool>("plain");

    QTest::newRow("plain file") << "MSINFO32.EXE"
                                << "file" << true;
    QTest::newRow("hidden file") << ".MSINFO32.EXE"
                                 << "file" << false;
    QTest::newRow("folder") << "MSINFO32.EXE"
                            << "folder" << false;
    QTest::newRow("nothing") << "MSINFO32.EXE"
                             << "nothing" << false;
}

void TestSysInfo::standInFileCheck()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(bool, plain);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString path = QDir(root.path()).filePath(name);
    if (kind == QLatin1String("file")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    }
    UnixSystemTools tools({}, {});
    QCOMPARE(tools.isPlainFile(path.toStdString()), plain);
}
#endif

QTEST_MAIN(TestSysInfo)
#include "tst_sysinfo.moc"
