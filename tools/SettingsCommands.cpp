// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/SettingsCommands.h"

#include "reslib/Cp932.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLocation.h"
#include "tools/ToolFiles.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTextStream>

#include <algorithm>

namespace kerubara::datatool {
namespace {

using settingsfile::Field;
using settingsfile::FieldKind;

// Control characters cannot stand in a line of their own; they are written as
// their pictures (U+2400 for NUL ... U+241F, U+2421 for DEL), which Shift-JIS
// has no code for, so a picture in the text form is never a character of the
// setting itself.
constexpr char16_t kPictures = 0x2400;
constexpr char16_t kDeletePicture = 0x2421;

QString showControls(QString text)
{
    for (QChar &c : text) {
        if (c.unicode() < 0x20)
            c = QChar(static_cast<char16_t>(kPictures + c.unicode()));
        else if (c.unicode() == 0x7F)
            c = QChar(kDeletePicture);
    }
    return text;
}

QString restoreControls(QString text)
{
    for (QChar &c : text) {
        if (c.unicode() >= kPictures && c.unicode() < kPictures + 0x20)
            c = QChar(static_cast<char16_t>(c.unicode() - kPictures));
        else if (c.unicode() == kDeletePicture)
            c = QChar(u'\x7F');
    }
    return text;
}

QString valueText(const Field &field)
{
    return std::visit(
        [](auto *value) -> QString {
            using T = std::remove_pointer_t<decltype(value)>;
            if constexpr (std::is_same_v<T, QByteArray>)
                return showControls(cp932::decode(*value));
            else if constexpr (std::is_same_v<T, OleColor>)
                return QString::number(static_cast<std::int32_t>(*value));
            else
                return QString::number(*value);
        },
        field.value);
}

// Sets a field from its text form; an empty text when that worked, else why not.
QString setValue(const Field &field, const QString &text)
{
    return std::visit(
        [&text](auto *value) -> QString {
            using T = std::remove_pointer_t<decltype(value)>;
            if constexpr (std::is_same_v<T, QByteArray>) {
                const QString setting = restoreControls(text);
                qsizetype bad = -1;
                const QByteArray bytes = cp932::encode(setting, &bad);
                if (bad >= 0) {
                    const qsizetype len = setting.at(bad).isHighSurrogate() ? 2 : 1;
                    return QCoreApplication::translate("SettingsCommands", "「%1」は Shift-JIS で表せない文字です。")
                        .arg(setting.mid(bad, len));
                }
                if (bytes.size() > settingsfile::kMaxTextBytes)
                    return QCoreApplication::translate("SettingsCommands",
                                                       "文字列が Shift-JIS で%1バイトあり、%2バイトを超えています。")
                        .arg(bytes.size())
                        .arg(settingsfile::kMaxTextBytes);
                *value = bytes;
            } else if constexpr (std::is_same_v<T, std::int16_t>) {
                const auto number = parseInt16(text);
                if (!number)
                    return QCoreApplication::translate("SettingsCommands",
                                                       "値「%1」は -32768～32767 の整数ではありません。")
                        .arg(text);
                *value = *number;
            } else {
                const auto number = parseInt32(text);
                if (!number)
                    return QCoreApplication::translate("SettingsCommands",
                                                       "値「%1」は -2147483648～2147483647 の整数ではありません。")
                        .arg(text);
                *value = static_cast<T>(*number);
            }
            return {};
        },
        field.value);
}

QHash<QString, qsizetype> indexByName(const std::vector<Field> &fields)
{
    QHash<QString, qsizetype> index;
    for (std::size_t i = 0; i < fields.size(); ++i)
        index.insert(fields[i].name, static_cast<qsizetype>(i));
    return index;
}

// What reading the file met before the end of block 11, in words.
QString damageText(const settingsfile::ReadResult &read, const std::vector<Field> &fields, qsizetype fileSize)
{
    if (read.damage == settingsfile::Damage::None)
        return {};
    const QString &name = fields[static_cast<std::size_t>(read.firstMissing)].name;
    const QString rest =
        QCoreApplication::translate(
            "SettingsCommands",
            "「%1」から後の項目はプログラムが読み込まず、起動時の値のままになります（dump では 0 または空）。")
            .arg(name);
    switch (read.damage) {
    case settingsfile::Damage::ShortFile:
        return QCoreApplication::translate(
                   "SettingsCommands",
                   "ファイルが%1バイトで終わっていて、ブロック%2の %3 が途中までしかないか、ありません。")
                   .arg(fileSize)
                   .arg(fields[static_cast<std::size_t>(read.firstMissing)].block)
                   .arg(name)
            + rest;
    case settingsfile::Damage::CountPastEnd:
        return QCoreApplication::translate("SettingsCommands",
                                           "%1: 文字列の長さ %2 がファイルの終わりを越えています（残りは%3バイト）。")
                   .arg(name)
                   .arg(read.badCount)
                   .arg(fileSize - read.missingAt - 2)
            + rest;
    case settingsfile::Damage::NegativeCount:
        return QCoreApplication::translate("SettingsCommands", "%1: 文字列の長さが負の値（%2）です。")
                   .arg(name)
                   .arg(read.badCount)
            + rest;
    case settingsfile::Damage::None:
        break;
    }
    return {};
}

QString trailingText(qsizetype bytes)
{
    return QCoreApplication::translate("SettingsCommands",
                                       "ブロック11の後に%1バイトの余分なデータがあります（プログラムは読みません）。")
        .arg(bytes);
}

// A settings file is never larger than its longest possible block 11.
qint64 maxSettingsBytes()
{
    return settingsfile::maxFileBytes();
}

// Its text form: a byte of a text is at most three bytes of UTF-8 (control
// characters are written as their symbols), and a mebibyte more leaves room
// for the names, the numbers and comments.
qint64 maxSettingsTextBytes()
{
    return 3 * settingsfile::maxFileBytes() + (qint64(1) << 20);
}

bool readWhole(const QString &path, qint64 limit, const QString &format, QByteArray &bytes, QString *why)
{
    std::optional<QByteArray> read = readWholeFile(path, limit, format, why);
    if (!read)
        return false;
    bytes = std::move(*read);
    return true;
}

// Values the windows cannot hold, among the fields that came from the file.
QStringList unholdableValues(SettingsRecords &records, const std::vector<Field> &fields, qsizetype fieldsRead)
{
    const QHash<QString, qsizetype> index = indexByName(fields);
    auto present = [&](const QString &name) { return index.value(name) < fieldsRead; };
    auto number = [&](const QString &name) { return fields[static_cast<std::size_t>(index.value(name))].number(); };
    QStringList problems;
    const QString kept = QCoreApplication::translate(
        "SettingsCommands", "プログラムは起動時にこの項目を知らせ、起動時の値のままにします。");
    for (const settingsfile::BadValue &bad : settingsfile::badValues(records, fieldsRead)) {
        const QString &name = fields[static_cast<std::size_t>(bad.field)].name;
        const QString range = QString::number(bad.minimum) + u'\uFF5E' + QString::number(bad.maximum);
        problems << (bad.list ? QCoreApplication::translate("SettingsCommands",
                                                            "%1: リストの番号 %2 がリストの範囲（%3）の外です。")
                              : QCoreApplication::translate("SettingsCommands",
                                                            "%1: 値 %2 がスクロールバーの範囲（%3）の外です。"))
                        .arg(name, QString::number(bad.value), range)
                + kept;
    }
    for (const QStringList &group : settingsfile::optionGroups()) {
        if (!std::all_of(group.begin(), group.end(), present))
            continue;
        const auto selected = std::count_if(group.begin(), group.end(), [&](const QString &n) { return number(n) != 0; });
        if (selected == 0)
            problems << QCoreApplication::translate("SettingsCommands", "%1: どのオプションボタンも選ばれていません。")
                            .arg(group.join(u", "));
        else if (selected > 1)
            problems << QCoreApplication::translate(
                            "SettingsCommands",
                            "%1: %2個のオプションボタンが選ばれています（最後のものだけが選ばれます）。")
                            .arg(group.join(u", "))
                            .arg(selected);
    }
    return problems;
}

} // namespace

bool isSettingsFileName(const QString &path)
{
    return path.endsWith(QStringLiteral(".in4"), Qt::CaseInsensitive);
}

QString settingsText(SettingsRecords records)
{
    QString text;
    for (const Field &field : settingsfile::fields(records))
        text += field.name + u'=' + valueText(field) + u'\n';
    return text;
}

int dumpSettingsFile(const QString &path, QTextStream &out, QTextStream &err)
{
    QByteArray bytes;
    QString why;
    if (!readWhole(path, maxSettingsBytes(), QCoreApplication::translate("SettingsCommands", "設定ファイル(.in4)"),
                   bytes, &why)) {
        err << path << ": " << why << '\n';
        return 1;
    }
    settingsfile::ReadResult read = settingsfile::read(bytes);
    const std::vector<Field> fields = settingsfile::fields(read.records);
    if (const QString damage = damageText(read, fields, bytes.size()); !damage.isEmpty())
        err << path << ": " << damage << '\n';
    if (read.trailingBytes > 0)
        err << path << ": " << trailingText(read.trailingBytes)
            << QCoreApplication::translate("SettingsCommands", "一覧には含まれません。\n");
    for (const Field &field : fields) {
        if (QByteArray *const *text = std::get_if<QByteArray *>(&field.value); text && !cp932::roundTrips(**text))
            err << path << ": "
                << QCoreApplication::translate("SettingsCommands",
                                               "%1: Shift-JIS "
                                               "として読めないバイトか、同じ文字の別のコード（NEC選定IBM拡張文字など）"
                                               "があります。in4 で書き戻すと別のバイト列になります。\n")
                       .arg(field.name);
    }
    out << settingsText(read.records);
    return 0;
}

SettingsTextRead settingsFromText(QByteArray utf8)
{
    if (utf8.startsWith("\xEF\xBB\xBF"))
        utf8.remove(0, 3);
    SettingsTextRead result;
    // What is not given is what a program without a settings file starts with.
    result.records = settingsfile::initialRecords(QDate::currentDate());
    const std::vector<Field> fields = settingsfile::fields(result.records);
    const QHash<QString, qsizetype> index = indexByName(fields);
    QHash<QString, int> seenOnLine;
    QStringList &problems = result.problems;
    const QList<QByteArray> lines = utf8.split('\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QString line = QString::fromUtf8(lines[n]);
        if (line.endsWith(u'\r'))
            line.chop(1);
        const int lineNo = static_cast<int>(n + 1);
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(u'#'))
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0) {
            problems << QCoreApplication::translate("SettingsCommands", "line %1: 「名前=値」の形ではありません。")
                            .arg(lineNo);
            continue;
        }
        const QString name = line.left(eq).trimmed();
        if (!index.contains(name)) {
            problems << QCoreApplication::translate("SettingsCommands", "line %1: 「%2」という項目はありません。")
                            .arg(lineNo)
                            .arg(name);
            continue;
        }
        if (seenOnLine.contains(name)) {
            problems << QCoreApplication::translate("SettingsCommands", "line %1: %2 は %3 行目にもあります。")
                            .arg(lineNo)
                            .arg(name)
                            .arg(seenOnLine.value(name));
            continue;
        }
        seenOnLine.insert(name, lineNo);
        const QString refused = setValue(fields[static_cast<std::size_t>(index.value(name))], line.mid(eq + 1));
        if (!refused.isEmpty())
            problems << QStringLiteral("line %1: %2: ").arg(lineNo).arg(name) + refused;
    }
    return result;
}

int textToSettingsFile(const QString &textPath, const QString &in4Path, QTextStream &err)
{
    QByteArray bytes;
    QString why;
    if (!readWhole(textPath, maxSettingsTextBytes(), QCoreApplication::translate("SettingsCommands", "設定のテキスト"),
                   bytes, &why)) {
        err << textPath << ": " << why << '\n';
        return 1;
    }
    const SettingsTextRead read = settingsFromText(std::move(bytes));
    if (!read.problems.isEmpty()) {
        for (const QString &p : read.problems)
            err << textPath << ": " << p << '\n';
        err << QCoreApplication::translate("SettingsCommands", "%1 は作成・変更していません。\n").arg(in4Path);
        return 1;
    }
    const QByteArray data = settingsfile::bytes(read.records);
    return writeOutputFile(in4Path, [&](QIODevice &file) { return file.write(data) == data.size(); }, err);
}

QStringList settingsFileProblems(QByteArrayView bytes)
{
    QStringList problems;
    settingsfile::ReadResult read = settingsfile::read(bytes);
    const std::vector<Field> fields = settingsfile::fields(read.records);
    if (const QString damage = damageText(read, fields, bytes.size()); !damage.isEmpty())
        problems << damage;
    if (read.trailingBytes > 0)
        problems << trailingText(read.trailingBytes);
    problems << unholdableValues(read.records, fields, settingsfile::fieldsRead(read));
    return problems;
}

QStringList columnsAmongFares(const QString &path, int fareColumns)
{
    QByteArray bytes;
    QString why;
    if (!readWhole(path, maxSettingsBytes(), QCoreApplication::translate("SettingsCommands", "設定ファイル(.in4)"),
                   bytes, &why))
        return {};
    const SettingsRecords records = settingsfile::read(bytes).records;
    QStringList notes;
    const auto note = [&](const QString &setting, int column) {
        if (column >= 1 && column <= fareColumns)
            notes << QCoreApplication::translate(
                         "SettingsCommands",
                         "%1が %2 列目で、整理券番号 1～%3 の運賃の列の中にあります。運賃の列より後ろ（%4 "
                         "列目以降）の列を指定してください。")
                         .arg(setting, QString::number(column), QString::number(fareColumns),
                              QString::number(fareColumns + 1));
    };
    // Option2(0) on: the same step sound always, no column read.
    if (records.SoundData.Option2[0] == 0)
        note(QCoreApplication::translate("SettingsCommands", "送り・戻し時のサウンドを決める列"),
             records.SoundData.Combo1 + 1);
    if (records.DegitData.Check3[3] != 0)
        note(QCoreApplication::translate("SettingsCommands", "情報用数字に出すデータの列"),
             records.DegitData.Combo4[4] + 1);
    return notes;
}

QStringList missingFolders(const QString &path)
{
    QByteArray bytes;
    QString why;
    if (!readWhole(path, maxSettingsBytes(), QCoreApplication::translate("SettingsCommands", "設定ファイル(.in4)"),
                   bytes, &why))
        return {};
    const SettingsRecords records = settingsfile::read(bytes).records;
    const QString what[] = {QCoreApplication::translate("SettingsCommands", "運賃データのフォルダー Text2(0)"),
                            QCoreApplication::translate("SettingsCommands", "放送用データのフォルダー Text2(1)")};
    QStringList notes;
    for (std::size_t i = 0; i < records.FolderData.Text2.size(); ++i) {
        const QString stored = cp932::decode(records.FolderData.Text2[i]);
        const QString used = pathFromSettings(stored, path);
        if (used.isEmpty() || QFileInfo(used).isDir())
            continue;
        notes << (used != stored
                      ? QCoreApplication::translate("SettingsCommands", "%1「%2」（%3）がありません。")
                            .arg(what[i], stored, used)
                      : QCoreApplication::translate("SettingsCommands", "%1「%2」がありません。").arg(what[i], stored));
    }
    return notes;
}

int checkSettingsFile(const QString &path, QTextStream &out)
{
    QStringList problems;
    QByteArray bytes;
    QString why;
    if (!readWhole(path, maxSettingsBytes(), QCoreApplication::translate("SettingsCommands", "設定ファイル(.in4)"),
                   bytes, &why))
        problems << why;
    else
        problems = settingsFileProblems(bytes);
    for (const QString &p : problems)
        out << path << ": " << p << '\n';
    return static_cast<int>(problems.size());
}

} // namespace kerubara::datatool
