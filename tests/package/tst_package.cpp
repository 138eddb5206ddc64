// SPDX-License-Identifier: GPL-3.0-or-later
//
// Builds the Debian package from this build with CPack, unpacks it into an
// empty folder with `dpkg -x` and checks it as a user and as Debian would:
// where every file lies, that the installed programs run on the installed
// sample route, that the manual page and the bash completion cover every
// command and option the data tool's --help lists, that the desktop entry and
// the AppStream metadata validate, the package's dependencies, and lintian.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <map>

namespace {

struct Result
{
    int status = -1;
    QString out;
    QString err;
};

// Runs a program to its end (at most two minutes) and keeps what it printed.
Result run(const QString &program, const QStringList &args, const QString &folder = {})
{
    QProcess process;
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(program, args);
    Result r;
    if (!process.waitForStarted() || !process.waitForFinished(120'000)) {
        r.err = QStringLiteral("%1 did not run: %2").arg(program, process.errorString());
        return r;
    }
    r.out = QString::fromUtf8(process.readAllStandardOutput());
    r.err = QString::fromUtf8(process.readAllStandardError());
    r.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return r;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A manual page as its reader sees the words: without roff's font changes
// and escapes.
QString manualPageText(const QString &path)
{
    const Result page = run(QStringLiteral("gzip"), {QStringLiteral("-dc"), path});
    QString text = page.out;
    text.remove(QRegularExpression(QStringLiteral("\\\\f[BIR]"))).remove(QStringLiteral("\\&"));
    text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    return text;
}

// What the data tool's --help lists: each command word, and the options
// described under each command.
struct HelpContents
{
    QStringList firstWords;                   // what may follow "kerubara-data"
    std::map<QString, QStringList> optionsOf; // command -> its options
};

HelpContents parseHelp(const QString &help)
{
    static const QRegularExpression commandLine(QStringLiteral("^  (\\S.*)$"));
    static const QRegularExpression option(QStringLiteral("--[a-z][a-z0-9-]*"));
    HelpContents contents;
    QString command;
    for (const QString &line : help.split(u'\n')) {
        if (const auto m = commandLine.match(line); m.hasMatch()) {
            // "  dump FILE.hy3", "  say [--reading] TEXT [OUT.wav]", "  help, --help, -h"
            const QStringList words = m.captured(1).split(u' ', Qt::SkipEmptyParts);
            command = words.front().chopped(words.front().endsWith(u',') ? 1 : 0);
            if (command == u"help") {
                for (const QString &word : m.captured(1).split(QStringLiteral(", ")))
                    contents.firstWords << word.trimmed();
                command.clear();
                continue;
            }
            if (!contents.firstWords.contains(command))
                contents.firstWords << command;
        } else if (line.isEmpty() || !line.startsWith(u' ')) {
            if (!line.isEmpty())
                command.clear(); // the text after the list of commands
            continue;
        }
        if (command.isEmpty())
            continue;
        auto &options = contents.optionsOf[command];
        for (auto it = option.globalMatch(line); it.hasNext();) {
            const QString name = it.next().captured();
            if (!options.contains(name))
                options << name;
        }
    }
    return contents;
}

} // namespace

class tst_Package : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void installsEveryFileWhereDebianLooksForIt_data();
    void installsEveryFileWhereDebianLooksForIt();
    void iconsAreRenderedAtTheirSize_data();
    void iconsAreRenderedAtTheirSize();
    void installedDataToolPrintsItsHelp();
    void installedSampleRouteDumpsAsItsSource();
    void installedAnnouncementsLoad();
    void firstStartSettingsNameTheInstalledSampleRoute();
    void installedSimulatorPrintsItsHelp();

    void manualPageDocumentsEveryCommandAndOption();
    void simulatorManualPageDocumentsEveryOption();
    void manualPagesRenderWithoutWarnings_data();
    void manualPagesRenderWithoutWarnings();
    void completionOffersEveryCommand();
    void completionOffersEachCommandsOptions();
    void completionOffersFilesOfTheKindAsked_data();
    void completionOffersFilesOfTheKindAsked();

    void desktopEntryValidates();
    void metainfoValidates();
    void dependsOnTheRuntimeData_data();
    void dependsOnTheRuntimeData();
    void lintianReportsNoErrorsOrWarnings();

private:
    QString installed(const QString &path) const { return root_ + u'/' + path; }
    QString dataTool() const { return installed(QStringLiteral("usr/bin/kerubara-data")); }
    QString examples() const { return installed(QStringLiteral("usr/share/kerubara/examples")); }
    // COMPREPLY, one word a line, for the words typed so far (the last one
    // being completed), in `folder`.
    QStringList complete(const QStringList &words, const QString &folder = {}) const;

    QTemporaryDir dir_;
    QString package_;
    QString root_;
    HelpContents help_;
};

void tst_Package::initTestCase()
{
    QVERIFY(dir_.isValid());
    // The installed simulator runs here without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (QStandardPaths::findExecutable(QStringLiteral("dpkg")).isEmpty())
        QSKIP("dpkg is not installed: the package cannot be unpacked here.");

    // The package of this build, made in a folder of its own so that it
    // never meets a package the user made in the build folder.
    const Result cpack = run(QStringLiteral(KERUBARA_CPACK),
                             {QStringLiteral("--config"), QStringLiteral(KERUBARA_CPACK_CONFIG), QStringLiteral("-B"),
                              dir_.filePath("out")});
    QVERIFY2(cpack.status == 0, qPrintable(cpack.out + cpack.err));
    package_ = dir_.filePath(QStringLiteral("out/kerubara_%1_amd64.deb").arg(QStringLiteral(KERUBARA_VERSION)));
    QVERIFY2(QFileInfo::exists(package_), qPrintable(cpack.out));

    root_ = dir_.filePath(QStringLiteral("root"));
    const Result unpack = run(QStringLiteral("dpkg"), {QStringLiteral("-x"), package_, root_});
    QVERIFY2(unpack.status == 0, qPrintable(unpack.err));

    const Result help = run(dataTool(), {QStringLiteral("--help")});
    QCOMPARE(help.status, 0);
    help_ = parseHelp(help.out);
    QVERIFY(help_.firstWords.size() >= 8);
}

void tst_Package::installsEveryFileWhereDebianLooksForIt_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");
    QTest::newRow("simulator") << "usr/bin/kerubara" << true;
    QTest::newRow("data tool") << "usr/bin/kerubara-data" << true;
    QTest::newRow("fare data built from the CSV") << "usr/share/kerubara/examples/12.hy3" << false;
    QTest::newRow("fare data source") << "usr/share/kerubara/examples/12.csv" << false;
    QTest::newRow("announcements") << "usr/share/kerubara/examples/12tp.csv" << false;
    QTest::newRow("reading dictionary") << "usr/share/kerubara/examples/yomi.csv" << false;
    QTest::newRow("plain ticket plug-in") << "usr/share/kerubara/examples/ticket-plain.4SP" << false;
    QTest::newRow("full ticket plug-in") << "usr/share/kerubara/examples/ticket-full.4SP" << false;
    QTest::newRow("notes on the examples") << "usr/share/kerubara/examples/README.md" << false;
    QTest::newRow("example GTFS feed") << "usr/share/kerubara/examples/gtfs/stop_times.txt" << false;
    QTest::newRow("stop chime") << "usr/share/kerubara/examples/chime-stop.wav" << false;
    QTest::newRow("arrival chime") << "usr/share/kerubara/examples/chime-arrival.wav" << false;
    QTest::newRow("terminus melody") << "usr/share/kerubara/examples/chime-terminus.mid" << false;
    QTest::newRow("demonstration settings as text") << "usr/share/kerubara/examples/demo-settings.txt" << false;
    QTest::newRow("demonstration settings for the first start")
        << "usr/share/kerubara/examples/demo-settings.in4" << false;
    QTest::newRow("desktop entry") << "usr/share/applications/io.github.kerubara.kerubara.desktop" << false;
    QTest::newRow("AppStream metadata") << "usr/share/metainfo/io.github.kerubara.kerubara.metainfo.xml" << false;
    QTest::newRow("scalable icon") << "usr/share/icons/hicolor/scalable/apps/kerubara.svg" << false;
    QTest::newRow("simulator manual") << "usr/share/man/man1/kerubara.1.gz" << false;
    QTest::newRow("data tool manual") << "usr/share/man/man1/kerubara-data.1.gz" << false;
    QTest::newRow("bash completion") << "usr/share/bash-completion/completions/kerubara-data" << false;
    QTest::newRow("copyright") << "usr/share/doc/kerubara/copyright" << false;
    QTest::newRow("changelog") << "usr/share/doc/kerubara/changelog.gz" << false;
    QTest::newRow("lintian overrides") << "usr/share/lintian/overrides/kerubara" << false;
}

void tst_Package::installsEveryFileWhereDebianLooksForIt()
{
    QFETCH(QString, path);
    QFETCH(bool, executable);
    const QFileInfo file(installed(path));
    QVERIFY2(file.isFile(), qPrintable(path));
    QVERIFY(file.size() > 0);
    QCOMPARE(file.isExecutable(), executable);
}

void tst_Package::iconsAreRenderedAtTheirSize_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("menu") << 48;
    QTest::newRow("launcher") << 128;
    QTest::newRow("software centre") << 256;
}

void tst_Package::iconsAreRenderedAtTheirSize()
{
    QFETCH(int, size);
    const QImage icon(installed(QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/kerubara.png").arg(size)));
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(icon.hasAlphaChannel());
    // Drawn, not blank: the centre is the display's face.
    QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
}

void tst_Package::installedDataToolPrintsItsHelp()
{
    const Result r = run(dataTool(), {QStringLiteral("--help")});
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.startsWith(QStringLiteral("使い方: kerubara-data")));
    QCOMPARE(r.err, QString());
}

void tst_Package::installedSampleRouteDumpsAsItsSource()
{
    // 12.hy3 is built from 12.csv at build time; dumped, it is that CSV again.
    const Result r = run(dataTool(), {QStringLiteral("dump"), examples() + QStringLiteral("/12.hy3")});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.out.toUtf8(), readAll(examples() + QStringLiteral("/12.csv")));
    QCOMPARE(r.out.count(u'\n'), 31); // the header and 30 stops
}

void tst_Package::installedAnnouncementsLoad()
{
    const Result r = run(dataTool(), {QStringLiteral("dump"), examples() + QStringLiteral("/12tp.csv")});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.err, QString());
    QVERIFY(r.out.startsWith(QStringLiteral("Text,StepFlag,SoundFlag\n")));
    QVERIFY(r.out.contains(QStringLiteral("発車します。ご注意ください。")));
}

void tst_Package::firstStartSettingsNameTheInstalledSampleRoute()
{
    // The settings an installed program's first start reads: made while
    // installing, so they name the folder the package puts the sample in.
    const QString demo = examples() + QStringLiteral("/demo-settings.in4");
    const Result check = run(dataTool(), {QStringLiteral("check"), demo});
    QVERIFY2(check.status == 0, qPrintable(check.out + check.err));
    const Result dump = run(dataTool(), {QStringLiteral("dump"), demo});
    QCOMPARE(dump.status, 0);
    const QString folder = QStringLiteral("/usr/share/kerubara/examples");
    QStringList named;
    for (const QString &line : dump.out.split(u'\n', Qt::SkipEmptyParts)) {
        const QString value = line.section(u'=', 1);
        if (value.startsWith(u'/'))
            named << value;
    }
    // The sample route's folders for the fare data and the announcements.
    QVERIFY2(dump.out.contains(QStringLiteral("Text2(0)=") + folder + u'\n'), qPrintable(dump.out));
    QVERIFY2(dump.out.contains(QStringLiteral("Text2(1)=") + folder + u'\n'), qPrintable(dump.out));
    // Every file and folder it names is in the package.
    QVERIFY(named.size() >= 5);
    for (const QString &path : named) {
        QVERIFY2(path.startsWith(folder), qPrintable(path));
        QVERIFY2(QFileInfo::exists(root_ + path), qPrintable(path));
    }
}

void tst_Package::installedSimulatorPrintsItsHelp()
{
    const Result r = run(installed(QStringLiteral("usr/bin/kerubara")), {QStringLiteral("--help")});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.out.contains(QStringLiteral("--settings <FILE>")), qPrintable(r.out + r.err));
}

void tst_Package::manualPageDocumentsEveryCommandAndOption()
{
    const QString text = manualPageText(installed(QStringLiteral("usr/share/man/man1/kerubara-data.1.gz")));
    QVERIFY(text.contains(QStringLiteral(".SH NAME")));
    for (const QString &word : help_.firstWords)
        QVERIFY2(text.contains(word), qPrintable(word));
    for (const auto &[command, options] : help_.optionsOf) {
        for (const QString &option : options)
            QVERIFY2(text.contains(option), qPrintable(command + u' ' + option));
    }
}

void tst_Package::simulatorManualPageDocumentsEveryOption()
{
    const Result help = run(installed(QStringLiteral("usr/bin/kerubara")), {QStringLiteral("--help")});
    QCOMPARE(help.status, 0);
    const QString text = manualPageText(installed(QStringLiteral("usr/share/man/man1/kerubara.1.gz")));
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])--?[a-z][a-z-]*"));
    int options = 0;
    for (auto it = option.globalMatch(help.out); it.hasNext(); ++options) {
        const QString name = it.next().captured();
        QVERIFY2(text.contains(name), qPrintable(name));
    }
    QVERIFY(options >= 6);
}

void tst_Package::manualPagesRenderWithoutWarnings_data()
{
    QTest::addColumn<QString>("page");
    QTest::newRow("simulator") << "kerubara.1.gz";
    QTest::newRow("data tool") << "kerubara-data.1.gz";
}

void tst_Package::manualPagesRenderWithoutWarnings()
{
    QFETCH(QString, page);
    if (QStandardPaths::findExecutable(QStringLiteral("man")).isEmpty())
        QSKIP("man is not installed.");
    const Result r =
        run(QStringLiteral("man"),
            {QStringLiteral("--warnings"), QStringLiteral("-E"), QStringLiteral("UTF-8"), QStringLiteral("-l"),
             QStringLiteral("-Tutf8"), QStringLiteral("-Z"), installed(QStringLiteral("usr/share/man/man1/") + page)});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.err, QString());
    QVERIFY(r.out.size() > 1000);
}

QStringList tst_Package::complete(const QStringList &words, const QString &folder) const
{
    // The words go to bash as arguments, so nothing in them is taken as shell
    // syntax.
    const QString script = QStringLiteral(R"(source "$0"
COMP_WORDS=("$@")
COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
_kerubara_data kerubara-data "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
printf '%s\n' "${COMPREPLY[@]}")");
    QStringList args{QStringLiteral("-c"), script,
                     installed(QStringLiteral("usr/share/bash-completion/completions/kerubara-data")),
                     QStringLiteral("kerubara-data")};
    args << words;
    const Result r = run(QStringLiteral("bash"), args, folder);
    if (r.status != 0 || !r.err.isEmpty())
        return {QStringLiteral("bash failed: ") + r.err};
    QStringList reply = r.out.split(u'\n', Qt::SkipEmptyParts);
    reply.sort();
    return reply;
}

void tst_Package::completionOffersEveryCommand()
{
    const QStringList offered = complete({QString()});
    for (const QString &word : help_.firstWords)
        QVERIFY2(offered.contains(word), qPrintable(word + QStringLiteral(" not in ") + offered.join(u' ')));
}

void tst_Package::completionOffersEachCommandsOptions()
{
    QVERIFY(!help_.optionsOf.empty());
    for (const auto &[command, options] : help_.optionsOf) {
        const QStringList offered = complete({command, QStringLiteral("--")});
        for (const QString &option : options)
            QVERIFY2(offered.contains(option),
                     qPrintable(command + u' ' + option + QStringLiteral(" not in ") + offered.join(u' ')));
    }
}

void tst_Package::completionOffersFilesOfTheKindAsked_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("offered");
    const QString sub = QStringLiteral("sub/");
    QTest::newRow("dump: fare data, broadcast data and settings in any case")
        << QStringList{"dump", ""} << QStringList{"12.hy3", "34TP.CSV", "7.HY3", "9tp.csv", "demo.in4", sub};
    QTest::newRow("hy3: the CSV first") << QStringList{"hy3", ""}
                                        << QStringList{"34TP.CSV", "9tp.csv", "route.csv", sub};
    QTest::newRow("hy3: then the fare data")
        << QStringList{"hy3", "route.csv", ""} << QStringList{"12.hy3", "7.HY3", sub};
    QTest::newRow("check: every argument is fare data or settings")
        << QStringList{"check", "12.hy3", ""} << QStringList{"12.hy3", "7.HY3", "demo.in4", sub};
    QTest::newRow("check: what is typed narrows the choice")
        << QStringList{"check", "12.hy3", "1"} << QStringList{"12.hy3"};
    QTest::newRow("in4: the text first") << QStringList{"in4", ""} << QStringList{"notes.txt", sub};
    QTest::newRow("in4: then the settings file") << QStringList{"in4", "notes.txt", ""} << QStringList{"demo.in4", sub};
    QTest::newRow("plugin") << QStringList{"plugin", ""} << QStringList{"bus.4sp", "ticket.4SP", sub};
    QTest::newRow("render-ticket: the picture after the plug-in")
        << QStringList{"render-ticket", "ticket.4SP", "--route", "12", ""} << QStringList{"name.png", sub};
    QTest::newRow("render-name: nothing for the stop name") << QStringList{"render-name", ""} << QStringList{};
    QTest::newRow("render-name: a value is not a file") << QStringList{"render-name", "--fore", ""} << QStringList{};
    QTest::newRow("render-name: the typeface rules")
        << QStringList{"render-name", "--font-mode", ""} << QStringList{"0", "1", "2", "3", "4"};
    QTest::newRow("render-digits: a flag takes no value")
        << QStringList{"render-digits", "--text", "abc", ""} << QStringList{"name.png", sub};
    QTest::newRow("render-digits: after --, a value like an option")
        << QStringList{"render-digits", "--", "--5", ""} << QStringList{"name.png", sub};
    QTest::newRow("say: the WAV after --reading and the text")
        << QStringList{"say", "--reading", "次は", ""} << QStringList{"chime.wav", sub};
    QTest::newRow("say: a reading dictionary is a CSV")
        << QStringList{"say", "--dict", ""} << QStringList{"34TP.CSV", "9tp.csv", "route.csv", sub};
    QTest::newRow("render-panel: the fare data, with the stop given first")
        << QStringList{"render-panel", "--stop", "3", ""} << QStringList{"12.hy3", "7.HY3", sub};
    QTest::newRow("render-panel: the picture after the fare data")
        << QStringList{"render-panel", "12.hy3", "--late-night", ""} << QStringList{"name.png", sub};
    QTest::newRow("render-panel: the backlight states")
        << QStringList{"render-panel", "--backlight", ""} << QStringList{"OFF", "ON1", "ON2"};
    QTest::newRow("render-panel: the settings file")
        << QStringList{"render-panel", "12.hy3", "--settings", ""} << QStringList{"demo.in4", sub};
    QTest::newRow("route-sheet: the announcements after --tape")
        << QStringList{"route-sheet", "12.hy3", "--tape", ""} << QStringList{"34TP.CSV", "9tp.csv", "route.csv", sub};
    QTest::newRow("gtfs: the feed is a .zip or a folder") << QStringList{"gtfs", ""} << QStringList{"feed.zip", sub};
    QTest::newRow("gtfs: then the output folder")
        << QStringList{"gtfs", "feed.zip", "--route", "R1", ""} << QStringList{sub};
    QTest::newRow("gtfs: the ticket rules") << QStringList{"gtfs", "--tickets", ""} << QStringList{"stage", "stop"};
    QTest::newRow("render-trip: the video sizes")
        << QStringList{"render-trip", "--size", ""} << QStringList{"1080x1920", "1280x720", "1920x1080", "3840x2160"};
    QTest::newRow("render-digits: --size is still the digits' size")
        << QStringList{"render-digits", "--size", ""} << QStringList{"0", "1", "2", "3"};
    QTest::newRow("render-trip: the contact sheet is a PNG")
        << QStringList{"render-trip", "12.hy3", "--preview", ""} << QStringList{"name.png", sub};
}

void tst_Package::completionOffersFilesOfTheKindAsked()
{
    QFETCH(QStringList, words);
    QFETCH(QStringList, offered);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    for (const char *name : {"12.hy3", "7.HY3", "route.csv", "9tp.csv", "34TP.CSV", "ticket.4SP", "bus.4sp", "name.png",
                             "chime.wav", "notes.txt", "demo.in4", "feed.zip"})
        QVERIFY(QFile(folder.filePath(QString::fromUtf8(name))).open(QIODevice::WriteOnly));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    // Folders come back without their slash; bash adds it when it shows them.
    for (QString &name : offered) {
        if (name.endsWith(u'/'))
            name.chop(1);
    }
    offered.sort();
    QCOMPARE(complete(words, folder.path()), offered);
}

void tst_Package::desktopEntryValidates()
{
    if (QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty())
        QSKIP("desktop-file-validate (desktop-file-utils) is not installed.");
    const QString entry = installed(QStringLiteral("usr/share/applications/io.github.kerubara.kerubara.desktop"));
    const Result r = run(QStringLiteral("desktop-file-validate"), {entry});
    QVERIFY2(r.status == 0, qPrintable(r.out + r.err));
    // Hints are fine; errors and warnings are not.
    QVERIFY2(!r.out.contains(QStringLiteral("error:")) && !r.out.contains(QStringLiteral("warning:")),
             qPrintable(r.out));

    const QString text = QString::fromUtf8(readAll(entry));
    for (const char *line : {"Name=Kerubara", "Name[ja]=", "Comment=", "Comment[ja]=", "Exec=kerubara\n",
                             "Icon=kerubara\n", "Categories=Education;Simulation;\n"})
        QVERIFY2(text.contains(QString::fromUtf8(line)), line);
}

void tst_Package::metainfoValidates()
{
    if (QStandardPaths::findExecutable(QStringLiteral("appstreamcli")).isEmpty())
        QSKIP("appstreamcli (appstream) is not installed.");
    const Result r = run(QStringLiteral("appstreamcli"),
                         {QStringLiteral("validate"), QStringLiteral("--no-net"),
                          installed(QStringLiteral("usr/share/metainfo/io.github.kerubara.kerubara.metainfo.xml"))});
    QVERIFY2(r.status == 0, qPrintable(r.out + r.err));
}

void tst_Package::dependsOnTheRuntimeData_data()
{
    QTest::addColumn<QString>("dependency");
    QTest::newRow("Gothic font for stop names") << "fonts-ipafont-gothic";
    QTest::newRow("bold face for tickets") << "fonts-noto-cjk";
    QTest::newRow("Mincho font for stop names") << "fonts-ipafont-mincho";
    QTest::newRow("Japanese voice") << "espeak-ng-data";
    QTest::newRow("reading dictionary") << "mecab-ipadic-utf8";
    QTest::newRow("readings of single kanji") << "kanjidic";
    QTest::newRow("MIDI sound font") << "timgm6mb-soundfont";
    QTest::newRow("Qt, found by dpkg-shlibdeps") << "libqt6widgets6";
    QTest::newRow("SDL, found by dpkg-shlibdeps") << "libsdl2-2.0-0";
}

void tst_Package::dependsOnTheRuntimeData()
{
    QFETCH(QString, dependency);
    const Result r = run(QStringLiteral("dpkg-deb"), {QStringLiteral("--field"), package_, QStringLiteral("Depends")});
    QCOMPARE(r.status, 0);
    static const QRegularExpression separator(QStringLiteral("\\s*,\\s*"));
    QStringList names;
    for (const QString &entry : r.out.trimmed().split(separator))
        names << entry.section(u' ', 0, 0);
    QVERIFY2(names.contains(dependency), qPrintable(r.out));
}

void tst_Package::lintianReportsNoErrorsOrWarnings()
{
    if (QStandardPaths::findExecutable(QStringLiteral("lintian")).isEmpty())
        QSKIP("lintian is not installed.");
    const Result r =
        run(QStringLiteral("lintian"), {QStringLiteral("--fail-on"), QStringLiteral("error,warning"), package_});
    QVERIFY2(r.status == 0, qPrintable(r.out + r.err));
    static const QRegularExpression tag(QStringLiteral("^[EW]: "), QRegularExpression::MultilineOption);
    QVERIFY2(!r.out.contains(tag), qPrintable(r.out));
}

QTEST_GUILESS_MAIN(tst_Package)
#include "tst_package.moc"
