// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsFile.h"

#include "reslib/Cp932.h"
#include "settings/StartupColors.h"

#include <QtEndian>

#include <algorithm>

namespace kerubara::settingsfile {
namespace {

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1StringView(name)).arg(index);
}

// What holds a field, with the range of a list or a slider and the group of
// an option button.
struct Control
{
    Holder holder = Holder::State;
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    int group = -1;
};
constexpr Control kText{Holder::Text};
constexpr Control kCheck{Holder::Check};
constexpr Control kColor{Holder::Color};
constexpr Control list(std::int32_t entries)
{
    return {Holder::List, -1, entries - 1};
}
constexpr Control slider(std::int32_t minimum, std::int32_t maximum)
{
    return {Holder::Slider, minimum, maximum};
}

// Collects the fields of one block in file order.
class FieldList
{
public:
    explicit FieldList(std::vector<Field> &out) : out_(out) {}
    void block(int number) { block_ = number; }
    template<typename T>
    void add(QString name, T &value, Control control = {})
    {
        out_.push_back(
            Field{std::move(name), block_, &value, control.holder, control.minimum, control.maximum, control.group});
    }
    // Members of an array, in the order given.
    template<typename T, std::size_t N>
    void add(const char *name, std::array<T, N> &values, std::initializer_list<int> order, Control control = {})
    {
        for (int i : order)
            add(indexed(name, i), values[static_cast<std::size_t>(i)], control);
    }
    // Option buttons, group by group, each group's members in the order given.
    template<std::size_t N>
    void options(const char *name, std::array<std::int16_t, N> &buttons,
                 std::initializer_list<std::initializer_list<int>> groups)
    {
        for (const auto &group : groups)
            add(name, buttons, group, Control{Holder::Option, 0, 0, groups_++});
    }

private:
    std::vector<Field> &out_;
    int block_ = 0;
    int groups_ = 0;
};

void addFolderAndPanel(FieldList &f, SettingsRecords &r)
{
    f.block(1);
    f.add("Text2", r.FolderData.Text2, {0, 1}, kText);
    f.block(2);
    PanelDataRecord &p = r.PanelData;
    f.add(QStringLiteral("Check1"), p.Check1, kCheck);
    f.add("Command5", p.Command5, {0, 1, 2}, kColor);
    f.add(QStringLiteral("Combo2"), p.Combo2, list(12));
    f.add(QStringLiteral("Check2"), p.Check2, kCheck);
    f.options("Option3", p.Option3, {{0, 1}, {7, 6}, {3, 2}, {4, 5}});
    f.add("txtSelectPanel", p.txtSelectPanel, {0, 1, 2}, kText);
}

void addDigitsAndStopName(FieldList &f, SettingsRecords &r)
{
    f.block(3);
    DegitDataRecord &d = r.DegitData;
    f.add("Command8", d.Command8, {0, 1, 2}, kColor);
    f.add("Check3", d.Check3, {0}, kCheck);
    f.add("Combo4", d.Combo4, {0}, list(12));
    f.add("Check3", d.Check3, {4, 1}, kCheck);
    f.add("Combo4", d.Combo4, {1}, list(12));
    f.add("Check3", d.Check3, {2}, kCheck);
    f.add("Combo4", d.Combo4, {2}, list(12));
    f.add("Check3", d.Check3, {3}, kCheck);
    f.add("Combo4", d.Combo4, {4}, list(150));
    f.add("Combo4", d.Combo4, {3}, list(12));
    f.block(4);
    ChimeiDataRecord &c = r.ChimeiData;
    f.add("Command9", c.Command9, {0, 1}, kColor);
    f.add(QStringLiteral("Combo3"), c.Combo3, list(5));
    f.add(QStringLiteral("Check4"), c.Check4, kCheck);
    f.add(QStringLiteral("Combo6"), c.Combo6, list(3));
    f.add("Command9", c.Command9, {2}, kColor);
    f.add(QStringLiteral("Combo5"), c.Combo5, list(4));
    f.add(QStringLiteral("Check5"), c.Check5, kCheck);
}

void addSoundsAndTicket(FieldList &f, SettingsRecords &r)
{
    f.block(5);
    SoundDataRecord &s = r.SoundData;
    f.add("txtSelectSound", s.txtSelectSound, {0, 1}, kText);
    f.options("Option2", s.Option2, {{0, 1}});
    f.options("Option6", s.Option6, {{0, 1}});
    f.add("txtSelectSound", s.txtSelectSound, {7}, kText);
    f.add(QStringLiteral("Combo1"), s.Combo1, list(150));
    f.add("txtSelectSound", s.txtSelectSound, {8, 9, 10}, kText);
    f.options("Option2", s.Option2, {{2, 3}});
    f.options("Option7", s.Option7, {{0, 1}});
    f.add("txtSelectSound", s.txtSelectSound, {3, 4, 5, 6}, kText);
    f.block(6);
    SeirikenDataRecord &t = r.SeirikenData;
    f.add(QStringLiteral("chkUseSeiriPrev"), t.chkUseSeiriPrev, kCheck);
    f.add(QStringLiteral("txtSeiriPlgDir"), t.txtSeiriPlgDir, kText);
    f.options("Option4", t.Option4, {{0, 1, 2}});
    f.add(QStringLiteral("Label10"), t.Label10, kText);
}

void addWindowState(FieldList &f, SettingsRecords &r)
{
    f.block(7);
    CtrlDataRecord &c = r.CtrlData;
    f.add(QStringLiteral("CtrlData.nBackFrame"), c.nBackFrame);
    f.add(QStringLiteral("CtrlData.nScrollSpeed"), c.nScrollSpeed, slider(1, 2000));
    f.add(QStringLiteral("CtrlData.nScrollWait"), c.nScrollWait, slider(0, 3000));
    f.add(QStringLiteral("CtrlData.nLateNight"), c.nLateNight);
    f.add(QStringLiteral("CtrlData.nPreviewOpen"), c.nPreviewOpen);
    f.add(QStringLiteral("CtrlData.nLeft"), c.nLeft);
    f.add(QStringLiteral("CtrlData.nTop"), c.nTop);
    f.block(8);
    f.add(QStringLiteral("FormPos.nLeft"), r.FormPos.nLeft);
    f.add(QStringLiteral("FormPos.nTop"), r.FormPos.nTop);
    f.block(9);
    for (int i = 0; i < static_cast<int>(r.CustColors.size()); ++i)
        f.add(indexed("CustColors", i), r.CustColors[static_cast<std::size_t>(i)]);
    f.block(10);
    f.add(QStringLiteral("DegitCount"), r.DegitCount);
    f.block(11);
    for (int i = 1; i <= kDigitRecords; ++i) {
        DegitUserRecord &d = r.DegitUser[static_cast<std::size_t>(i)];
        const QString prefix = indexed("DegitUser", i);
        f.add(prefix + QStringLiteral(".Shift"), d.Shift);
        f.add(prefix + QStringLiteral(".ZeroMode"), d.ZeroMode);
        f.add(prefix + QStringLiteral(".FillZero"), d.FillZero);
    }
}

// A view of the fields, taken once.
template<typename T, typename Take>
std::vector<T> collect(Take take)
{
    SettingsRecords records;
    std::vector<T> out;
    for (const Field &field : fields(records))
        take(field, out);
    return out;
}

// Reads the fields one after the other from the file's bytes.
class Reader
{
public:
    explicit Reader(QByteArrayView bytes) : bytes_(bytes) {}

    qsizetype position() const { return pos_; }
    qsizetype left() const { return bytes_.size() - pos_; }

    template<typename T>
    bool number(T &value)
    {
        if (left() < static_cast<qsizetype>(sizeof(T)))
            return false;
        value = qFromLittleEndian<T>(bytes_.data() + pos_);
        pos_ += static_cast<qsizetype>(sizeof(T));
        return true;
    }
    // The text's bytes, or nothing with `pos` left at the count.
    Damage text(QByteArray &value, std::int16_t &count)
    {
        const qsizetype start = pos_;
        if (!number(count))
            return Damage::ShortFile;
        if (count < 0 || count > left()) {
            pos_ = start;
            return count < 0 ? Damage::NegativeCount : Damage::CountPastEnd;
        }
        value = bytes_.sliced(pos_, count).toByteArray();
        pos_ += count;
        return Damage::None;
    }

private:
    QByteArrayView bytes_;
    qsizetype pos_ = 0;
};

template<typename T>
void append(QByteArray &out, T value)
{
    char le[sizeof(T)];
    qToLittleEndian(value, le);
    out.append(le, static_cast<qsizetype>(sizeof(T)));
}

} // namespace

FieldKind Field::kind() const
{
    return static_cast<FieldKind>(value.index());
}

std::int32_t Field::number() const
{
    return std::visit(
        [](auto *v) -> std::int32_t {
            if constexpr (std::is_same_v<std::remove_pointer_t<decltype(v)>, QByteArray>)
                return 0;
            else
                return static_cast<std::int32_t>(*v);
        },
        value);
}

std::vector<Field> fields(SettingsRecords &records)
{
    std::vector<Field> out;
    out.reserve(160);
    FieldList list(out);
    addFolderAndPanel(list, records);
    addDigitsAndStopName(list, records);
    addSoundsAndTicket(list, records);
    addWindowState(list, records);
    return out;
}

std::optional<Field> field(SettingsRecords &records, const QString &name)
{
    for (Field &f : fields(records)) {
        if (f.name == name)
            return std::move(f);
    }
    return std::nullopt;
}

ReadResult read(QByteArrayView bytes)
{
    ReadResult result;
    Reader reader(bytes);
    const std::vector<Field> list = fields(result.records);
    for (std::size_t i = 0; i < list.size(); ++i) {
        const qsizetype at = reader.position();
        Damage damage = Damage::None;
        std::visit(
            [&](auto *value) {
                using T = std::remove_pointer_t<decltype(value)>;
                if constexpr (std::is_same_v<T, QByteArray>) {
                    QByteArray text;
                    std::int16_t count = 0;
                    damage = reader.text(text, count);
                    if (damage == Damage::None)
                        *value = text;
                    else
                        result.badCount = count;
                } else {
                    T number{};
                    if (reader.number(number))
                        *value = number;
                    else
                        damage = Damage::ShortFile;
                }
            },
            list[i].value);
        if (damage != Damage::None) {
            // Whatever did not come from the file stays 0 or empty.
            result.damage = damage;
            result.firstMissing = static_cast<qsizetype>(i);
            result.missingAt = at;
            return result;
        }
    }
    result.trailingBytes = reader.left();
    return result;
}

QByteArray bytes(const SettingsRecords &records)
{
    SettingsRecords copy = records;
    QByteArray out;
    out.reserve(512);
    for (const Field &field : fields(copy)) {
        std::visit(
            [&out](auto *value) {
                using T = std::remove_pointer_t<decltype(value)>;
                if constexpr (std::is_same_v<T, QByteArray>) {
                    const QByteArray text = fitText(*value);
                    append(out, static_cast<std::int16_t>(text.size()));
                    out.append(text);
                } else {
                    append(out, *value);
                }
            },
            field.value);
    }
    return out;
}

SettingsRecords initialRecords(const QDate &today)
{
    SettingsRecords r;
    PanelDataRecord &panel = r.PanelData;
    panel.Check1 = 1;
    panel.Command5 = {kStartupTicketNumberColors.off, kStartupTicketNumberColors.on1, kStartupTicketNumberColors.on2};
    // The built-in pictures, for every backlight state.
    for (const int selected : {0, 7, 3, 4})
        panel.Option3[static_cast<std::size_t>(selected)] = -1;
    r.DegitData.Command8 = {kStartupDigitColors.back, kStartupDigitColors.unlit, kStartupDigitColors.lit};
    ChimeiDataRecord &name = r.ChimeiData;
    name.Command9 = {kStartupStopNameColors.back, kStartupStopNameColors.text, kStartupStopNameColors.tsugiwa};
    name.Combo3 = -1;
    name.Combo6 = -1;
    name.Combo5 = -1;
    SoundDataRecord &sound = r.SoundData;
    sound.Option2 = {-1, 0, -1, 0};
    sound.Option6 = {0, -1};
    sound.Option7 = {-1, 0};
    r.SeirikenData.Option4 = {-1, 0, 0};
    r.SeirikenData.Label10 = today.toString(QStringLiteral("yyyy/MM/dd")).toLatin1();
    for (const Field &field : fields(r)) {
        if (field.holder == Holder::Slider)
            *std::get<std::int32_t *>(field.value) = field.minimum;
    }
    r.DegitCount = kDigitRecords;
    return r;
}

qsizetype maxFileBytes()
{
    SettingsRecords records;
    qsizetype size = 0;
    for (const Field &field : fields(records)) {
        switch (field.kind()) {
        case FieldKind::Int16: size += 2; break;
        case FieldKind::Int32:
        case FieldKind::Color: size += 4; break;
        case FieldKind::Text: size += 2 + kMaxTextBytes; break;
        }
    }
    return size;
}

QByteArray fitText(const QByteArray &text, qsizetype limit)
{
    if (text.size() <= limit)
        return text;
    qsizetype end = 0;
    while (end < text.size()) {
        const bool pair = cp932::isLeadByte(static_cast<std::uint8_t>(text[end])) && end + 1 < text.size();
        const qsizetype next = end + (pair ? 2 : 1);
        if (next > limit)
            break;
        end = next;
    }
    return text.left(end);
}

const std::vector<ListField> &listFields()
{
    static const std::vector<ListField> lists = collect<ListField>([](const Field &field, auto &out) {
        if (field.holder == Holder::List)
            out.push_back(ListField{field.name, field.maximum + 1});
    });
    return lists;
}

qsizetype fieldsRead(const ReadResult &result)
{
    if (result.damage != Damage::None)
        return result.firstMissing;
    SettingsRecords records;
    return static_cast<qsizetype>(fields(records).size());
}

std::vector<BadValue> badValues(SettingsRecords &records, qsizetype fieldsRead)
{
    const std::vector<Field> list = fields(records);
    const qsizetype read = std::min(fieldsRead, static_cast<qsizetype>(list.size()));
    std::vector<BadValue> bad;
    for (qsizetype i = 0; i < read; ++i) {
        const Field &field = list[static_cast<std::size_t>(i)];
        if (field.holder != Holder::List && field.holder != Holder::Slider)
            continue;
        const std::int32_t value = field.number();
        if (value < field.minimum || value > field.maximum)
            bad.push_back(BadValue{i, value, field.minimum, field.maximum, field.holder == Holder::List});
    }
    return bad;
}

const std::vector<QStringList> &optionGroups()
{
    static const std::vector<QStringList> groups = collect<QStringList>([](const Field &field, auto &out) {
        if (field.group < 0)
            return;
        if (static_cast<std::size_t>(field.group) >= out.size())
            out.resize(static_cast<std::size_t>(field.group) + 1);
        out[static_cast<std::size_t>(field.group)] << field.name;
    });
    return groups;
}

const std::vector<SliderField> &sliderFields()
{
    static const std::vector<SliderField> sliders = collect<SliderField>([](const Field &field, auto &out) {
        if (field.holder == Holder::Slider)
            out.push_back(SliderField{field.name, field.minimum, field.maximum});
    });
    return sliders;
}

} // namespace kerubara::settingsfile
