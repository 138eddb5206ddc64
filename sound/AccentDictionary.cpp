// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/AccentDictionary.h"

#include "sound/JapaneseReader.h"

#include <mecab.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

namespace kerubara {
namespace {

// The files MeCab loads from a compiled dictionary.
const char *const kDictionaryFiles[] = {"sys.dic", "matrix.bin", "char.bin", "unk.dic"};

// Our resource file for the dictionary: what MeCab reads of it when it
// analyses (the dictionary's own compile settings are in its files).
const char kResourceFile[] = "cost-factor = 800\n"
                             "bos-feature = BOS/EOS,*,*,*,*,*,*,*,*\n"
                             "eval-size = 8\n"
                             "unk-eval-size = 4\n"
                             "config-charset = UTF-8\n";

// The text as the dictionary spells it: ASCII letters, digits and signs
// full width, one character for one.
QString dictionarySpelling(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        if (c.unicode() >= 0x21 && c.unicode() <= 0x7E)
            c = QChar(static_cast<char16_t>(c.unicode() - 0x21 + 0xFF01));
    }
    return out;
}

// The words of one dictionary entry: most are one word, a few are kept as
// several with their fields parted by colons (ありがとう:ございます,
// アリガトー:ゴザイマス’, 2/5:4/5). The surface is parted as the base forms
// are; the last word takes the rest.
std::vector<DictionaryWord> wordsOfEntry(const DictionaryWord &entry)
{
    if (!entry.isKnown() || !entry.features[9].contains(u':'))
        return {entry};
    const QStringList base = entry.features[6].split(u':');
    const QStringList reading = entry.features[7].split(u':');
    const QStringList pronunciation = entry.features[8].split(u':');
    const QStringList accent = entry.features[9].split(u':');
    std::vector<DictionaryWord> words;
    qsizetype at = entry.begin;
    for (qsizetype k = 0; k < accent.size(); ++k) {
        DictionaryWord w = entry;
        const bool last = k + 1 == accent.size();
        const qsizetype length = last ? entry.end - at : std::min(base.value(k).size(), entry.end - at);
        w.begin = at;
        w.end = at + length;
        w.surface = entry.surface.mid(at - entry.begin, length);
        w.features[6] = base.value(k);
        w.features[7] = reading.value(k);
        w.features[8] = pronunciation.value(k);
        w.features[9] = accent[k];
        w.startsPhrase = k > 0;
        at += length;
        words.push_back(std::move(w));
    }
    return words;
}

} // namespace

QString AccentDictionary::defaultFolder()
{
    for (const char *path : {"/var/lib/mecab/dic/open-jtalk/naist-jdic", "/usr/share/open-jtalk/dic",
                             "/usr/local/lib/open-jtalk/dic"}) {
        if (QFileInfo(QString::fromLatin1(path) + QStringLiteral("/sys.dic")).isFile())
            return QString::fromLatin1(path);
    }
    return {};
}

std::unique_ptr<AccentDictionary> AccentDictionary::open(const QString &folder, AccentProblem *why)
{
    using Kind = AccentProblem::Kind;
    auto fail = [why, &folder](Kind kind, const QString &file = {}) {
        if (why)
            *why = AccentProblem{kind, folder, file};
        return nullptr;
    };
    const QDir dictionary(folder);
    for (const char *name : kDictionaryFiles) {
        if (!QFileInfo(dictionary.filePath(QString::fromLatin1(name))).isFile())
            return fail(Kind::MissingFile, QString::fromLatin1(name));
    }
    // The folder MeCab loads: links to the dictionary's files and our dicrc.
    // Gone again once loaded, whatever happens.
    const QTemporaryDir staging;
    if (!staging.isValid())
        return fail(Kind::NoStaging);
    for (const char *name : kDictionaryFiles) {
        const QString file = QString::fromLatin1(name);
        if (!QFile::link(dictionary.absoluteFilePath(file), staging.filePath(file)))
            return fail(Kind::NoStaging);
    }
    QFile rc(staging.filePath(QStringLiteral("dicrc")));
    if (!rc.open(QIODevice::WriteOnly) || rc.write(kResourceFile) != qint64(sizeof kResourceFile - 1))
        return fail(Kind::NoStaging);
    rc.close();

    const QByteArray args = "-r /dev/null -d " + QFile::encodeName(staging.path());
    std::unique_ptr<MeCab::Model> model(MeCab::createModel(args.constData()));
    if (!model)
        return fail(Kind::NotLoadable);
    const MeCab::DictionaryInfo *info = model->dictionary_info();
    const QString charset = info ? QString::fromLatin1(info->charset).toLower() : QString();
    if (charset != u"utf-8" && charset != u"utf8")
        return fail(Kind::NotUtf8);
    std::unique_ptr<MeCab::Tagger> tagger(model->createTagger());
    if (!tagger)
        return fail(Kind::NotLoadable);
    return std::unique_ptr<AccentDictionary>(new AccentDictionary(std::move(model), std::move(tagger)));
}

AccentDictionary::AccentDictionary(std::unique_ptr<MeCab::Model> model, std::unique_ptr<MeCab::Tagger> tagger)
    : model_(std::move(model)), tagger_(std::move(tagger))
{
}

AccentDictionary::~AccentDictionary()
{
    tagger_.reset(); // made by the model: goes first
}

std::vector<DictionaryWord> AccentDictionary::analyse(const QString &text, const std::vector<qsizetype> &boundaries) const
{
    std::vector<DictionaryWord> words;
    if (text.isEmpty())
        return words;
    const auto [utf8, offsets] = utf8WithOffsets(dictionarySpelling(text));
    std::unique_ptr<MeCab::Lattice> lattice(model_->createLattice());
    lattice->set_sentence(utf8.constData());
    for (const qsizetype at : boundaries) {
        if (at > 0 && at < text.size())
            lattice->set_boundary_constraint(static_cast<std::size_t>(offsets[static_cast<std::size_t>(at)]),
                                             MECAB_TOKEN_BOUNDARY);
    }
    if (!tagger_->parse(lattice.get())) {
        lattice.reset(model_->createLattice());
        lattice->set_sentence(utf8.constData());
        if (!tagger_->parse(lattice.get()))
            return words;
    }
    for (const MeCab::Node *node = lattice->bos_node(); node; node = node->next) {
        if (node->stat == MECAB_BOS_NODE || node->stat == MECAB_EOS_NODE || node->length == 0)
            continue;
        // Where the word stands in the text as it was given (not spelt full width).
        const int byteBegin = static_cast<int>(node->surface - utf8.constData());
        const int byteEnd = byteBegin + static_cast<int>(node->length);
        const qsizetype begin = std::lower_bound(offsets.begin(), offsets.end(), byteBegin) - offsets.begin();
        const qsizetype end = std::lower_bound(offsets.begin(), offsets.end(), byteEnd) - offsets.begin();
        QStringList features = QString::fromUtf8(node->feature).split(u',');
        if (node->stat == MECAB_UNK_NODE)
            features = features.mid(0, 7); // a guess, with no reading
        for (DictionaryWord &w : wordsOfEntry({begin, end, text.mid(begin, end - begin), features, false}))
            words.push_back(std::move(w));
    }
    return words;
}

std::optional<DictionaryWord> AccentDictionary::lookUp(const QString &surface, const QString &pronunciation,
                                                       const QString &pos) const
{
    if (surface.isEmpty() || pronunciation.isEmpty())
        return std::nullopt;
    QStringList pattern = pos.isEmpty() ? QStringList() : pos.split(u',');
    while (pattern.size() < 8)
        pattern << QStringLiteral("*");
    pattern = pattern.mid(0, 8);
    pattern << pronunciation;
    const QByteArray feature = pattern.join(u',').toUtf8();
    const QByteArray utf8 = dictionarySpelling(surface).toUtf8();
    std::unique_ptr<MeCab::Lattice> lattice(model_->createLattice());
    lattice->set_sentence(utf8.constData());
    lattice->set_feature_constraint(0, static_cast<std::size_t>(utf8.size()), feature.constData());
    if (!tagger_->parse(lattice.get()))
        return std::nullopt;
    const MeCab::Node *node = lattice->bos_node() ? lattice->bos_node()->next : nullptr;
    if (!node || node->stat != MECAB_NOR_NODE || static_cast<int>(node->length) != utf8.size())
        return std::nullopt;
    DictionaryWord word{0, surface.size(), surface, QString::fromUtf8(node->feature).split(u','), false};
    if (!word.isKnown() || word.pronunciation() != pronunciation || word.features[9].contains(u':'))
        return std::nullopt;
    return word;
}

} // namespace kerubara
