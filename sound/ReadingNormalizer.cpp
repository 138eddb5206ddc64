// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/ReadingNormalizer.h"

#include <QList>

#include <algorithm>
#include <array>
#include <utility>

namespace kerubara {
namespace {

// Variant → common form: the IBM and NEC extension kanji of code page 932
// that are plain variants of a common kanji, and a few old forms of the
// standard set that stop names still use. The rest of the extensions (rare
// name kanji with no common counterpart) stay as they are; NFKC already maps
// the extensions' compatibility ideographs (塚, 神, 福, 都, …). Sorted by the
// variant for the binary search.
constexpr std::array<std::pair<char32_t, char32_t>, 62> kVariants = {{
    {U'冝', U'宜'}, {U'凬', U'風'}, {U'勛', U'勲'}, {U'咊', U'和'}, {U'喆', U'哲'}, {U'國', U'国'},
    {U'增', U'増'}, {U'寬', U'寛'}, {U'崧', U'嵩'}, {U'嵓', U'岩'}, {U'嶹', U'島'}, {U'廣', U'広'},
    {U'彅', U'薙'}, {U'德', U'徳'}, {U'悅', U'悦'}, {U'悊', U'哲'}, {U'摠', U'総'}, {U'敎', U'教'},
    {U'昻', U'昂'}, {U'晳', U'晰'}, {U'曺', U'曹'}, {U'曻', U'昇'}, {U'會', U'会'}, {U'杦', U'杉'},
    {U'栁', U'柳'}, {U'桒', U'桑'}, {U'榮', U'栄'}, {U'橫', U'横'}, {U'櫻', U'桜'}, {U'淸', U'清'},
    {U'澤', U'沢'}, {U'濱', U'浜'}, {U'濵', U'浜'}, {U'瀨', U'瀬'}, {U'煇', U'輝'}, {U'甁', U'瓶'},
    {U'甯', U'寧'}, {U'綠', U'緑'}, {U'緖', U'緒'}, {U'罇', U'樽'}, {U'羡', U'羨'}, {U'臺', U'台'},
    {U'薰', U'薫'}, {U'裵', U'裴'}, {U'賴', U'頼'}, {U'贒', U'賢'}, {U'邉', U'辺'}, {U'邊', U'辺'},
    {U'郞', U'郎'}, {U'鄕', U'郷'}, {U'鈆', U'鉛'}, {U'閒', U'閑'}, {U'隝', U'島'}, {U'靍', U'鶴'},
    {U'靏', U'鶴'}, {U'靑', U'青'}, {U'驛', U'駅'}, {U'髙', U'高'}, {U'黑', U'黒'}, {U'齊', U'斉'},
    {U'齋', U'斎'}, {U'﨑', U'崎'},
}};

constexpr bool sortedByVariant()
{
    for (std::size_t i = 1; i < kVariants.size(); ++i) {
        if (!(kVariants[i - 1].first < kVariants[i].first))
            return false;
    }
    return true;
}

} // namespace

char32_t commonKanjiForm(char32_t c)
{
    static_assert(sortedByVariant(), "kVariants must stay sorted");
    const auto it = std::lower_bound(kVariants.begin(), kVariants.end(), c,
                                     [](const std::pair<char32_t, char32_t> &v, char32_t x) { return v.first < x; });
    return it != kVariants.end() && it->first == c ? it->second : c;
}

QString normalizeForReading(QStringView text)
{
    QList<uint> chars = text.toString().normalized(QString::NormalizationForm_KC).toUcs4();
    for (uint &c : chars)
        c = commonKanjiForm(c);
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(chars.constData()), chars.size());
}

} // namespace kerubara
