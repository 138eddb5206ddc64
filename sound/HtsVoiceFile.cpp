// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/HtsVoiceFile.h"

#include "reslib/BoundedRead.h"

#include <QFile>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

namespace kerubara {
namespace {

// The fault found, or nothing.
using Found = std::optional<VoiceFileCheck>;

VoiceFileCheck fault(VoiceFileFault f, QString item, QString value = {})
{
    return VoiceFileCheck{f, std::move(item), std::move(value), {}};
}

// A whole non-negative number of at most nine digits.
std::optional<qint64> wholeNumber(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    qint64 v = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

// The header: the key/value lines of its three sections, and where the
// models' data starts.
struct Header
{
    QHash<QByteArray, QByteArray> global;
    QHash<QByteArray, QByteArray> stream;
    QHash<QByteArray, QByteArray> position;
    qsizetype dataStart = 0;
};

// Splits a tree's text into tokens exactly as the engine does: words end at
// a space or a line break (nothing else), a word may be quoted in ' or " and
// then runs to its closing quote, and a comma where a word begins is a word
// of its own. The engine copies each word into a buffer of 1024 bytes
// without looking at its length and reads a quoted word until its quote
// comes, so a word too long or a quote never closed is refused here.
class Tokens
{
public:
    explicit Tokens(QByteArrayView text) : text_(text) {}

    // False at the end; `bad` is set for an unclosed quote or a token too long.
    bool next(QByteArrayView &token, bool &bad)
    {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n'))
            ++at_;
        if (at_ >= text_.size())
            return false;
        bool single = false, dual = false;
        if (text_[at_] == '\'') {
            single = true;
            ++at_;
        }
        if (at_ < text_.size() && text_[at_] == '"') {
            dual = true;
            ++at_;
        }
        if (at_ >= text_.size()) {
            bad = single || dual;
            return false;
        }
        if (text_[at_] == ',') {
            token = text_.sliced(at_++, 1);
            return true;
        }
        const qsizetype from = at_++;
        while (true) {
            if (at_ >= text_.size()) {
                // The engine stops an unquoted word at the end; a quoted one
                // it would read on past the tree.
                bad = single || dual;
                token = text_.sliced(from, at_ - from);
                break;
            }
            const char c = text_[at_];
            if ((single && c == '\'') || (dual && c == '"') || (!single && !dual && (c == ' ' || c == '\n'))) {
                token = text_.sliced(from, at_ - from);
                ++at_;
                break;
            }
            ++at_;
        }
        bad = bad || token.size() > HtsVoiceFile::kMaxToken;
        return !bad;
    }

private:
    QByteArrayView text_;
    qsizetype at_ = 0;
};

// A question's pattern the engine can match safely. It matches a pattern
// against a label by recursion, one call a character, and counts on the
// pattern's plain characters fitting in the label: more of them than a label
// has sends it reading past the label's end, and every * multiplies the
// work. Voices ask with a few characters and one or two *.
bool patternFits(QByteArrayView pattern)
{
    constexpr qsizetype kMostStars = 4;
    constexpr qsizetype kMostPlain = 32;
    const qsizetype stars = std::count(pattern.begin(), pattern.end(), '*');
    return !pattern.isEmpty() && stars <= kMostStars && pattern.size() - stars <= kMostPlain;
}

// The patterns of GV_OFF_CONTEXT, which the engine reads as a question's
// ("pattern", "pattern", ...) with the same tokens.
bool contextFits(QByteArrayView context)
{
    Tokens tokens(context);
    QByteArrayView t;
    bool bad = false;
    bool any = false;
    while (tokens.next(t, bad)) {
        if (t == QByteArrayView(",") || !patternFits(t))
            return false;
        any = true;
        if (!tokens.next(t, bad))
            break;
        if (t != QByteArrayView(","))
            return false;
    }
    return any && !bad;
}

Found readHeader(const QByteArray &bytes, Header &header)
{
    static const char *const kSections[] = {"[GLOBAL]", "[STREAM]", "[POSITION]", "[DATA]"};
    QHash<QByteArray, QByteArray> *maps[] = {&header.global, &header.stream, &header.position};
    int section = -1;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype end = bytes.indexOf('\n', at);
        const qsizetype lineEnd = end < 0 ? bytes.size() : end;
        const QByteArrayView line(bytes.constData() + at, lineEnd - at);
        if (section < 0 && line != QByteArrayView("[GLOBAL]"))
            return fault(VoiceFileFault::NotHtsVoice, QStringLiteral("[GLOBAL]"));
        if (line.size() > HtsVoiceFile::kMaxToken || line.contains('\0') || line.contains('\r'))
            return fault(VoiceFileFault::BadHeader, QString::fromLatin1(kSections[std::max(section, 0)]));
        at = end < 0 ? bytes.size() : end + 1;
        if (line.isEmpty())
            continue;
        if (line == QByteArrayView(kSections[section + 1])) {
            if (++section == 3) {
                if (end < 0)
                    break;
                header.dataStart = at;
                return std::nullopt;
            }
            continue;
        }
        const qsizetype colon = line.indexOf(':');
        if (section < 0 || colon <= 0)
            return fault(VoiceFileFault::BadHeader, QString::fromLatin1(kSections[std::max(section, 0)]));
        // A key given twice: the engine keeps both copies of some and loses
        // one, and which counts is the check's guess. A damaged header.
        const QByteArray key = line.first(colon).toByteArray();
        if (maps[section]->contains(key))
            return fault(VoiceFileFault::BadHeader, QString::fromLatin1(key));
        maps[section]->insert(key, line.sliced(colon + 1).toByteArray());
    }
    return fault(VoiceFileFault::BadHeader, QString::fromLatin1(kSections[std::min(section + 1, 3)]));
}

// One stream of the voice, as its header describes it.
struct Stream
{
    QByteArray type;
    qint64 vectorLength = 0;
    bool msd = false;
    qint64 windows = 0;
    bool gv = false;
};

struct Shape
{
    qint64 states = 0;
    std::vector<Stream> streams;
};

QString itemOf(const char *key, const QByteArray &type = {})
{
    return type.isEmpty() ? QString::fromLatin1(key) : QStringLiteral("%1[%2]").arg(QLatin1StringView(key), QString::fromLatin1(type));
}

Found numberIn(const QHash<QByteArray, QByteArray> &map, const char *key, const QByteArray &type, qint64 min,
               qint64 max, qint64 &out)
{
    const QByteArray name = type.isEmpty() ? QByteArray(key) : QByteArray(key) + '[' + type + ']';
    const auto it = map.constFind(name);
    if (it == map.constEnd())
        return fault(VoiceFileFault::BadHeader, itemOf(key, type));
    const std::optional<qint64> v = wholeNumber(it->trimmed());
    if (!v || *v < min || *v > max)
        return fault(VoiceFileFault::BadValue, itemOf(key, type), QString::fromLatin1(it->left(40)));
    out = *v;
    return std::nullopt;
}

Found readGlobal(const Header &h, Shape &shape, VoiceFileInfo &info)
{
    if (h.global.value("HTS_VOICE_VERSION") != "1.0")
        return fault(VoiceFileFault::BadValue, QStringLiteral("HTS_VOICE_VERSION"),
                     QString::fromLatin1(h.global.value("HTS_VOICE_VERSION").left(40)));
    if (h.global.value("FULLCONTEXT_FORMAT") != "HTS_TTS_JPN")
        return fault(VoiceFileFault::NotJapanese, QStringLiteral("FULLCONTEXT_FORMAT"),
                     QString::fromLatin1(h.global.value("FULLCONTEXT_FORMAT").left(40)));
    qint64 fs = 0, fp = 0, streams = 0;
    if (Found f = numberIn(h.global, "SAMPLING_FREQUENCY", {}, 8000, 96000, fs))
        return f;
    // A frame of 1 to 20 milliseconds.
    if (Found f = numberIn(h.global, "FRAME_PERIOD", {}, std::max<qint64>(1, fs / 1000), fs / 50, fp))
        return f;
    if (Found f = numberIn(h.global, "NUM_STATES", {}, 1, 20, shape.states))
        return f;
    // Spectrum and pitch, and perhaps the low-pass filter: what the vocoder uses.
    if (Found f = numberIn(h.global, "NUM_STREAMS", {}, 2, 3, streams))
        return f;
    const QList<QByteArray> types = h.global.value("STREAM_TYPE").split(',');
    QSet<QByteArray> seen;
    for (const QByteArray &t : types) {
        const bool name = !t.isEmpty() && t.size() <= 16
                          && std::all_of(t.begin(), t.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
        if (!name || seen.contains(t))
            return fault(VoiceFileFault::BadValue, QStringLiteral("STREAM_TYPE"), QString::fromLatin1(h.global.value("STREAM_TYPE").left(40)));
        seen.insert(t);
    }
    if (types.size() != streams)
        return fault(VoiceFileFault::BadValue, QStringLiteral("STREAM_TYPE"), QString::fromLatin1(h.global.value("STREAM_TYPE").left(40)));
    for (const QByteArray &t : types)
        shape.streams.push_back(Stream{t});
    info.samplingFrequency = static_cast<int>(fs);
    info.framePeriod = static_cast<int>(fp);
    // The labels the engine speaks without the pitch's global variance: a
    // question of its own, matched against every label like the trees' ones.
    if (h.global.contains("GV_OFF_CONTEXT") && !contextFits(h.global.value("GV_OFF_CONTEXT")))
        return fault(VoiceFileFault::BadValue, QStringLiteral("GV_OFF_CONTEXT"),
                     QString::fromLatin1(h.global.value("GV_OFF_CONTEXT").left(40)));
    info.comment = QString::fromUtf8(h.global.value("COMMENT")).trimmed();
    return std::nullopt;
}

Found flag(const QHash<QByteArray, QByteArray> &map, const char *key, const QByteArray &type, bool required, bool &out)
{
    const QByteArray name = QByteArray(key) + '[' + type + ']';
    const QByteArray v = map.value(name);
    if (!map.contains(name) && !required)
        return std::nullopt;
    if (v != "0" && v != "1")
        return fault(map.contains(name) ? VoiceFileFault::BadValue : VoiceFileFault::BadHeader, itemOf(key, type),
                     QString::fromLatin1(v.left(40)));
    out = v == "1";
    return std::nullopt;
}

// A number written after `key` in an OPTION value ("ALPHA=0.55,GAMMA=0").
std::optional<double> optionValue(const QByteArray &option, const char *key, bool *malformed)
{
    for (const QByteArray &part : option.split(',')) {
        const QByteArray p = part.trimmed();
        if (!p.startsWith(key))
            continue;
        bool ok = false;
        const double v = p.mid(qsizetype(std::strlen(key))).toDouble(&ok);
        *malformed = !ok;
        return ok ? std::optional<double>(v) : std::nullopt;
    }
    return std::nullopt;
}

Found readStreams(const Header &h, Shape &shape, VoiceFileInfo &info)
{
    for (std::size_t i = 0; i < shape.streams.size(); ++i) {
        Stream &s = shape.streams[i];
        if (Found f = numberIn(h.stream, "VECTOR_LENGTH", s.type, 1, 200, s.vectorLength))
            return f;
        if (Found f = flag(h.stream, "IS_MSD", s.type, true, s.msd))
            return f;
        if (Found f = numberIn(h.stream, "NUM_WINDOWS", s.type, 1, 3, s.windows))
            return f;
        if (Found f = flag(h.stream, "USE_GV", s.type, false, s.gv))
            return f;
        // The engine reads the first stream's options without asking whether
        // the file gave any: every stream names its own, empty or not.
        if (!h.stream.contains("OPTION[" + s.type + ']'))
            return fault(VoiceFileFault::BadHeader, itemOf("OPTION", s.type));
        // The second stream is the pitch: one value, voiced or not; the others
        // are never of that kind.
        const bool pitch = i == 1;
        if (s.msd != pitch)
            return fault(VoiceFileFault::BadValue, itemOf("IS_MSD", s.type), s.msd ? QStringLiteral("1") : QStringLiteral("0"));
        if (pitch && s.vectorLength != 1)
            return fault(VoiceFileFault::BadValue, itemOf("VECTOR_LENGTH", s.type), QString::number(s.vectorLength));
    }
    const QByteArray option = h.stream.value("OPTION[" + shape.streams[0].type + ']');
    bool malformed = false;
    if (const std::optional<double> alpha = optionValue(option, "ALPHA=", &malformed); alpha || malformed) {
        if (!alpha || *alpha < 0.0 || *alpha >= 1.0)
            return fault(VoiceFileFault::BadValue, itemOf("OPTION", shape.streams[0].type), QString::fromLatin1(option.left(40)));
        info.alpha = *alpha;
    }
    if (const std::optional<double> gamma = optionValue(option, "GAMMA=", &malformed); gamma || malformed) {
        if (!gamma || *gamma < 0.0 || *gamma > 10.0 || *gamma != static_cast<int>(*gamma))
            return fault(VoiceFileFault::BadValue, itemOf("OPTION", shape.streams[0].type), QString::fromLatin1(option.left(40)));
    }
    return std::nullopt;
}

// A range "start-end" of the data, both ends inside it.
struct Range
{
    qsizetype start = 0;
    qsizetype size = 0;
};

Found rangeOf(QByteArrayView text, qsizetype dataSize, const QString &item, Range &out)
{
    const qsizetype dash = text.indexOf('-');
    const std::optional<qint64> s = dash > 0 ? wholeNumber(text.first(dash).trimmed()) : std::nullopt;
    const std::optional<qint64> e = dash > 0 ? wholeNumber(text.sliced(dash + 1).trimmed()) : std::nullopt;
    if (!s || !e || *s > *e)
        return fault(VoiceFileFault::BadValue, item, QString::fromLatin1(text.first(std::min<qsizetype>(text.size(), 40)).toByteArray()));
    if (*e >= dataSize)
        return fault(VoiceFileFault::PositionPastEnd, item, QString::fromLatin1(text.toByteArray().left(40)));
    out = Range{static_cast<qsizetype>(*s), static_cast<qsizetype>(*e - *s + 1)};
    return std::nullopt;
}

Found positionOf(const Header &h, const char *key, const QByteArray &type, qsizetype dataSize, bool required,
                 std::optional<Range> &out)
{
    const QByteArray name = type.isEmpty() ? QByteArray(key) : QByteArray(key) + '[' + type + ']';
    const auto it = h.position.constFind(name);
    if (it == h.position.constEnd()) {
        if (required)
            return fault(VoiceFileFault::BadHeader, itemOf(key, type));
        return std::nullopt;
    }
    Range r;
    if (Found f = rangeOf(*it, dataSize, itemOf(key, type), r))
        return f;
    out = r;
    return std::nullopt;
}

// ---- The models -------------------------------------------------------------

// A control byte other than white space in a model's text: the engine reads
// its words as C strings, so a NUL would end a leaf's name where this check
// reads on, and the two would not agree on the table it names.
bool hasControlBytes(QByteArrayView text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return (u < 0x20 && !std::isspace(u)) || u == 0x7f;
    });
}


bool isIndex(QByteArrayView t)
{
    return !t.isEmpty() && t.size() <= 9 && std::all_of(t.begin(), t.end(), [](char c) { return (c >= '0' && c <= '9') || c == '-'; });
}

// The number a leaf name ends in ("mgc_s2_12" is 12); 0 when it ends in none.
qint64 leafNumber(QByteArrayView t)
{
    qsizetype digits = 0;
    while (digits < t.size() && digits < 9 && std::isdigit(static_cast<unsigned char>(t[t.size() - 1 - digits])))
        ++digits;
    return digits == 0 ? 0 : wholeNumber(t.last(digits)).value_or(0);
}

struct Tree
{
    qint64 state = 0;
    bool everyLabel = false; // its pattern is "*": it answers for every label
    qint64 largestLeaf = 0;
};

// Reads the questions and trees; false when they are not what the engine can
// walk safely: a tree for no state, a question used before it is asked, a
// node never given, a leaf naming no table.
bool readTrees(QByteArrayView text, std::vector<Tree> &trees)
{
    if (hasControlBytes(text))
        return false;
    Tokens tokens(text);
    QSet<QByteArray> questions;
    QByteArrayView t;
    bool bad = false;
    auto next = [&]() { return tokens.next(t, bad); };
    while (next()) {
        if (t == QByteArrayView("QS")) {
            if (!next())
                return false;
            questions.insert(t.toByteArray());
            if (!next() || t != QByteArrayView("{"))
                return false;
            do {
                if (!next() || !patternFits(t) || !next())
                    return false;
            } while (t != QByteArrayView("}"));
            continue;
        }
        // A tree: "{patterns}[state]", then one leaf or its nodes in braces.
        const qsizetype open = t.indexOf('['), close = open < 0 ? -1 : t.indexOf(']', open);
        const qsizetype brace = t.indexOf('{'), braceEnd = t.lastIndexOf('}');
        if (open < 0 || close != t.size() - 1 || (brace >= 0 && braceEnd < brace))
            return false;
        if (brace >= 0) {
            const QList<QByteArray> patterns = t.sliced(brace + 1, braceEnd - brace - 1).toByteArray().split(',');
            if (!std::all_of(patterns.begin(), patterns.end(), [](const QByteArray &p) { return patternFits(p); }))
                return false;
        }
        Tree tree;
        tree.state = wholeNumber(t.sliced(open + 1, close - open - 1)).value_or(0);
        tree.everyLabel = brace >= 0 && t.sliced(brace, braceEnd - brace + 1) == QByteArrayView("{*}");
        if (tree.state == 0 || !next())
            return false;
        if (t != QByteArrayView("{")) {
            tree.largestLeaf = leafNumber(t);
            if (tree.largestLeaf == 0)
                return false;
            trees.push_back(tree);
            continue;
        }
        QSet<qint64> pending{0}, given;
        while (true) {
            if (!next())
                return false;
            if (t == QByteArrayView("}"))
                break;
            const qint64 index = isIndex(t) ? t.toLongLong() : -1000000000;
            if (!pending.remove(index))
                return false;
            given.insert(index);
            if (!next() || !questions.contains(t.toByteArray()))
                return false;
            for (int child = 0; child < 2; ++child) {
                if (!next())
                    return false;
                if (isIndex(t)) {
                    const qint64 c = t.toLongLong();
                    if (pending.contains(c) || given.contains(c))
                        return false;
                    pending.insert(c);
                } else {
                    const qint64 leaf = leafNumber(t);
                    if (leaf == 0)
                        return false;
                    tree.largestLeaf = std::max(tree.largestLeaf, leaf);
                }
            }
        }
        if (!pending.isEmpty())
            return false;
        trees.push_back(tree);
    }
    return !bad;
}

// The longest a state of a phoneme may last, in frames (five seconds at a
// frame of 5 ms).
constexpr float kMaxFramesAState = 1000.0f;

// The tables of a model: a count for each tree, then that many tables of
// `length` floats each, and nothing more. The first `durationMeans` values
// of each table of the duration model are its states' mean lengths.
bool tablesFit(QByteArrayView data, const std::vector<Tree> &trees, qint64 length, qint64 durationMeans)
{
    const qint64 count = std::max<qint64>(1, static_cast<qint64>(trees.size()));
    if (data.size() < 4 * count)
        return false;
    qint64 tables = 0;
    for (qint64 i = 0; i < count; ++i) {
        const auto *p = reinterpret_cast<const unsigned char *>(data.constData() + 4 * i);
        const qint64 n = p[0] | (p[1] << 8) | (p[2] << 16) | (qint64(p[3]) << 24);
        if (n < 1 || n > data.size() || (i < qint64(trees.size()) && trees[std::size_t(i)].largestLeaf > n))
            return false;
        tables += n;
    }
    if (tables * length * 4 + 4 * count != data.size())
        return false;
    // Every value a number; a duration's mean, in frames, one a voice could
    // have (the engine makes every frame it is told to).
    for (qint64 t = 0; t < tables; ++t) {
        for (qint64 v = 0; v < length; ++v) {
            float f = 0.0f;
            std::memcpy(&f, data.constData() + 4 * count + 4 * (t * length + v), sizeof f);
            if (!std::isfinite(f) || (durationMeans > 0 && v < durationMeans && (f < 0.0f || f > kMaxFramesAState)))
                return false;
        }
    }
    return true;
}

// Every state the engine asks about has a tree that answers for any label.
bool coversStates(const std::vector<Tree> &trees, qint64 first, qint64 last)
{
    if (trees.empty())
        return true;
    for (qint64 s = first; s <= last; ++s) {
        if (std::none_of(trees.begin(), trees.end(), [s](const Tree &t) { return t.state == s && t.everyLabel; }))
            return false;
    }
    return std::all_of(trees.begin(), trees.end(), [last](const Tree &t) { return t.state <= last; });
}

Found checkModel(QByteArrayView data, const std::optional<Range> &pdf, const std::optional<Range> &tree,
                 qint64 length, qint64 lastState, const QString &item, qint64 durationMeans = 0)
{
    std::vector<Tree> trees;
    if (tree && !readTrees(data.sliced(tree->start, tree->size), trees))
        return fault(VoiceFileFault::BadModel, item);
    if (!coversStates(trees, 2, lastState) || !tablesFit(data.sliced(pdf->start, pdf->size), trees, length, durationMeans))
        return fault(VoiceFileFault::BadModel, item);
    return std::nullopt;
}

// A window: its number of coefficients (1 to 9), then the coefficients.
bool windowFits(QByteArrayView text)
{
    if (hasControlBytes(text))
        return false;
    const QList<QByteArray> words = text.toByteArray().simplified().split(' ');
    const std::optional<qint64> n = wholeNumber(words.value(0));
    if (!n || *n < 1 || *n > 9 || words.size() != *n + 1)
        return false;
    return std::all_of(words.begin() + 1, words.end(), [](const QByteArray &w) {
        bool ok = false;
        w.toDouble(&ok);
        return ok;
    });
}

Found checkModels(const Header &h, const Shape &shape, QByteArrayView data)
{
    std::optional<Range> pdf, tree;
    if (Found f = positionOf(h, "DURATION_PDF", {}, data.size(), true, pdf))
        return f;
    if (Found f = positionOf(h, "DURATION_TREE", {}, data.size(), true, tree))
        return f;
    if (Found f = checkModel(data, pdf, tree, shape.states * 2, 2, QStringLiteral("DURATION_PDF"), shape.states))
        return f;
    for (const Stream &s : shape.streams) {
        const QString win = itemOf("STREAM_WIN", s.type);
        const QList<QByteArray> windows = h.position.value("STREAM_WIN[" + s.type + ']').split(',');
        if (!h.position.contains("STREAM_WIN[" + s.type + ']'))
            return fault(VoiceFileFault::BadHeader, win);
        if (windows.size() != s.windows)
            return fault(VoiceFileFault::BadValue, win, QString::fromLatin1(h.position.value("STREAM_WIN[" + s.type + ']').left(40)));
        for (const QByteArray &w : windows) {
            Range r;
            if (Found f = rangeOf(w, data.size(), win, r))
                return f;
            if (!windowFits(data.sliced(r.start, r.size)))
                return fault(VoiceFileFault::BadModel, win);
        }
        pdf.reset();
        tree.reset();
        if (Found f = positionOf(h, "STREAM_PDF", s.type, data.size(), true, pdf))
            return f;
        if (Found f = positionOf(h, "STREAM_TREE", s.type, data.size(), true, tree))
            return f;
        const qint64 length = s.vectorLength * s.windows * 2 + (s.msd ? 1 : 0);
        if (Found f = checkModel(data, pdf, tree, length, shape.states + 1, itemOf("STREAM_PDF", s.type)))
            return f;
        if (!s.gv)
            continue;
        pdf.reset();
        tree.reset();
        if (Found f = positionOf(h, "GV_PDF", s.type, data.size(), true, pdf))
            return f;
        if (Found f = positionOf(h, "GV_TREE", s.type, data.size(), false, tree))
            return f;
        if (Found f = checkModel(data, pdf, tree, s.vectorLength * 2, 2, itemOf("GV_PDF", s.type)))
            return f;
    }
    return std::nullopt;
}

} // namespace

VoiceFileCheck HtsVoiceFile::check(const QByteArray &bytes, VoiceFileInfo *info)
{
    if (bytes.isEmpty())
        return fault(VoiceFileFault::Empty, {});
    if (bytes.size() > kMaxBytes)
        return fault(VoiceFileFault::TooLarge, {});
    Header header;
    Shape shape;
    VoiceFileInfo found;
    if (Found f = readHeader(bytes, header))
        return *f;
    if (Found f = readGlobal(header, shape, found))
        return *f;
    if (Found f = readStreams(header, shape, found))
        return *f;
    if (Found f = checkModels(header, shape, QByteArrayView(bytes).sliced(header.dataStart)))
        return *f;
    if (info)
        *info = found;
    return {};
}

VoiceFileCheck HtsVoiceFile::checkFile(const QString &path, VoiceFileInfo *info)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fault(VoiceFileFault::Unreadable, {}, file.errorString());
    const BoundedRead read = readBounded(file, kMaxBytes);
    if (read.outcome == BoundedRead::Outcome::TooLarge)
        return fault(VoiceFileFault::TooLarge, {});
    if (read.outcome == BoundedRead::Outcome::Failed)
        return fault(VoiceFileFault::Unreadable, {}, file.errorString());
    return check(read.bytes, info);
}

} // namespace kerubara
