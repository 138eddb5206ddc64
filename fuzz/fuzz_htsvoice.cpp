// SPDX-License-Identifier: GPL-3.0-or-later
// Voice files (.htsvoice) as the voice check sees them before the engine
// loads one.
//
// The check never crashes, and the engine neither crashes nor reads astray on
// a file the check passes: loading it, and speaking a few labels with it when
// it loads. (The engine may still refuse such a file, as it refuses a header
// line it cannot use; the program then refuses the voice as damaged.) The
// check guards the engine, which trusts every size, position, name and
// pattern a file gives.

#include "FuzzSupport.h"

#include "sound/HtsVoiceFile.h"

#include <HTS_engine.h>

#include <QCoreApplication>

using namespace kerubara;

namespace {

std::unique_ptr<fuzz::ScratchFolder> scratch;

// A word of two morae with its silences, as the front end labels it.
const char *const kLabels[] = {
    "xx^xx-sil+k=a/A:xx+xx+xx/B:xx-xx_xx/C:xx_xx+xx/D:xx+xx_xx/E:xx_xx!xx_xx-xx/F:xx_xx#xx_xx@xx_xx|xx_xx/G:2_1%0_xx_xx/H:xx_xx/I:xx-xx@xx+xx&xx-xx|xx+xx/J:1_2/K:1+1-2",
    "xx^sil-k+a=sh/A:0+1+2/B:xx-xx_xx/C:xx_xx+xx/D:xx+xx_xx/E:xx_xx!xx_xx-xx/F:2_1#0_xx@1_1|1_2/G:xx_xx%xx_xx_xx/H:xx_xx/I:1-2@1+1&1-1|1+2/J:xx_xx/K:1+1-2",
    "sil^k-a+sh=i/A:0+1+2/B:xx-xx_xx/C:xx_xx+xx/D:xx+xx_xx/E:xx_xx!xx_xx-xx/F:2_1#0_xx@1_1|1_2/G:xx_xx%xx_xx_xx/H:xx_xx/I:1-2@1+1&1-1|1+2/J:xx_xx/K:1+1-2",
    "k^a-sh+i=sil/A:1+2+1/B:xx-xx_xx/C:xx_xx+xx/D:xx+xx_xx/E:xx_xx!xx_xx-xx/F:2_1#0_xx@1_1|1_2/G:xx_xx%xx_xx_xx/H:xx_xx/I:1-2@1+1&1-1|1+2/J:xx_xx/K:1+1-2",
    "a^sh-i+sil=xx/A:1+2+1/B:xx-xx_xx/C:xx_xx+xx/D:xx+xx_xx/E:xx_xx!xx_xx-xx/F:2_1#0_xx@1_1|1_2/G:xx_xx%xx_xx_xx/H:xx_xx/I:1-2@1+1&1-1|1+2/J:xx_xx/K:1+1-2",
    "sh^i-sil+xx=xx/A:xx+xx+xx/B:xx-xx_xx/C:xx_xx+xx/D:xx+xx_xx/E:xx_xx!xx_xx-xx/F:xx_xx#xx_xx@xx_xx|xx_xx/G:xx_xx%xx_xx_xx/H:2_1/I:xx-xx@xx+xx&xx-xx|xx+xx/J:xx_xx/K:1+1-2",
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::application<QCoreApplication>(argc, argv);
    scratch = std::make_unique<fuzz::ScratchFolder>();
    std::atexit([] { scratch.reset(); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    VoiceFileInfo info;
    const VoiceFileCheck check = HtsVoiceFile::check(bytes, &info);
    if (!check.ok()) {
        FUZZ_CHECK(check.fault != VoiceFileFault::Unreadable);
        return 0;
    }
    FUZZ_CHECK(info.samplingFrequency >= 8000 && info.framePeriod >= 1);
    const QByteArray path = QFile::encodeName(scratch->put(QStringLiteral("voice.htsvoice"), bytes));
    HTS_Engine engine;
    HTS_Engine_initialize(&engine);
    char *voices[] = {const_cast<char *>(path.constData())};
    if (HTS_Engine_load(&engine, voices, 1) != TRUE) {
        HTS_Engine_clear(&engine);
        return 0;
    }
    // Short, whatever durations the file gives: what matters is that the
    // engine walks its trees and tables safely.
    HTS_Engine_set_speed(&engine, 4.0);
    HTS_Engine_synthesize_from_strings(&engine, const_cast<char **>(kLabels), std::size(kLabels));
    // The speech made is freed by refresh; clear frees the voice.
    HTS_Engine_refresh(&engine);
    HTS_Engine_clear(&engine);
    return 0;
}
