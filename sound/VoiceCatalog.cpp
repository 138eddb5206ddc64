// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/VoiceCatalog.h"

#include "reslib/BoundedRead.h"
#include "sound/EspeakSynth.h"
#include "sound/HtsSynth.h"
#include "sound/VoiceSettings.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace kerubara {
namespace {

const QString kSuffix = QStringLiteral(".htsvoice");

QString nameOf(const QString &file)
{
    const QString name = QFileInfo(file).fileName();
    return name.endsWith(kSuffix, Qt::CaseInsensitive) ? name.chopped(kSuffix.size()) : name;
}

QStringList voiceFiles(const QString &folder, bool below)
{
    if (folder.isEmpty())
        return {};
    QStringList files;
    QDirIterator it(folder, {QStringLiteral("*.htsvoice")}, QDir::Files | QDir::Readable,
                    below ? QDirIterator::Subdirectories | QDirIterator::FollowSymlinks : QDirIterator::NoIteratorFlags);
    while (it.hasNext())
        files << it.next();
    std::sort(files.begin(), files.end());
    return files;
}

QByteArray contentsOf(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    BoundedRead read = readBounded(f, HtsVoiceFile::kMaxBytes);
    return read.outcome == BoundedRead::Outcome::Read ? read.bytes : QByteArray();
}

} // namespace

VoicePlaces VoicePlaces::standard()
{
    // The packages' voices are in hts-voice of the system's data folders
    // (/usr/share/hts-voice); the first of those that exists.
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QString installed;
    for (const QString &folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        if (folder != user && QFileInfo(folder + QStringLiteral("/hts-voice")).isDir()) {
            installed = folder + QStringLiteral("/hts-voice");
            break;
        }
    }
    return {installed, user + QStringLiteral("/kerubara/voices")};
}

namespace voices {

QList<VoiceEntry> list(const VoicePlaces &places)
{
    QList<VoiceEntry> entries;
    for (const QString &f : voiceFiles(places.installed, true))
        entries << VoiceEntry{f, nameOf(f), VoiceEntry::Source::Installed};
    for (const QString &f : voiceFiles(places.own, false))
        entries << VoiceEntry{f, nameOf(f), VoiceEntry::Source::Own};
    entries << VoiceEntry{VoiceSettings::espeak(), QStringLiteral("espeak-ng"), VoiceEntry::Source::Espeak};
    return entries;
}

QString preferred(const VoicePlaces &places)
{
    const QStringList installed = voiceFiles(places.installed, true);
    const auto m001 = std::find_if(installed.begin(), installed.end(), [](const QString &f) {
        return QFileInfo(f).fileName() == QStringLiteral("nitech_jp_atr503_m001.htsvoice");
    });
    if (m001 != installed.end())
        return *m001;
    return installed.value(0);
}

std::unique_ptr<Synthesiser> open(const QString &voice, VoiceFileCheck *check)
{
    if (check)
        *check = {};
    if (voice == VoiceSettings::espeak())
        return EspeakSynthesiser::create();
    return HtsSynthesiser::load(voice, check);
}

VoiceChoice choose(const QString &wanted, const VoicePlaces &places, bool labels, const AccentProblem &noLabelsWhy)
{
    VoiceChoice choice;
    auto espeak = [&choice]() {
        choice.voice = VoiceSettings::espeak();
        choice.synthesiser = EspeakSynthesiser::create();
        return std::move(choice);
    };
    if (wanted == VoiceSettings::espeak())
        return espeak();
    if (!labels) {
        choice.notice = VoiceNotice{VoiceNotice::Kind::NoAccentDictionary, {}, {}, noLabelsWhy};
        return espeak();
    }
    if (!wanted.isEmpty()) {
        VoiceFileCheck check;
        if ((choice.synthesiser = open(wanted, &check))) {
            choice.voice = wanted;
            return choice;
        }
        choice.notice = VoiceNotice{VoiceNotice::Kind::VoiceRefused, wanted, check, {}};
    }
    const QString fallback = preferred(places);
    if (fallback.isEmpty()) {
        if (choice.notice.kind == VoiceNotice::Kind::None)
            choice.notice.kind = VoiceNotice::Kind::NoHtsVoice;
        return espeak();
    }
    VoiceFileCheck check;
    if ((choice.synthesiser = open(fallback, &check))) {
        choice.voice = fallback;
        return choice;
    }
    if (choice.notice.kind == VoiceNotice::Kind::None)
        choice.notice = VoiceNotice{VoiceNotice::Kind::VoiceRefused, fallback, check, {}};
    return espeak();
}

Copy copyOwn(const QString &source, const VoicePlaces &places)
{
    Copy copy;
    copy.check = HtsVoiceFile::checkFile(source);
    if (!copy.check.ok())
        return copy;
    const QByteArray bytes = contentsOf(source);
    if (!QDir().mkpath(places.own)) {
        copy.error = QStringLiteral("cannot make the folder");
        return copy;
    }
    const QString name = nameOf(source);
    for (int n = 1;; ++n) {
        const QString target = QDir(places.own).filePath(n == 1 ? name + kSuffix : QStringLiteral("%1-%2%3").arg(name).arg(n).arg(kSuffix));
        if (QFileInfo::exists(target)) {
            if (contentsOf(target) == bytes) {
                copy.copied = target;
                return copy;
            }
            continue;
        }
        QSaveFile out(target);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
            copy.error = out.errorString();
            return copy;
        }
        copy.copied = target;
        return copy;
    }
}

} // namespace voices
} // namespace kerubara
