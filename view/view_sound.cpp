// Sound feedback: a looping background tune (player 0) and four effect
// sounds, each on its own player so that different sounds overlap and a
// repeated one restarts.
#include "myQQuickView.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

namespace {
const char *const kMediaFiles[5] = {
    "./modules/media/00.mp3", "./modules/media/01.wav", "./modules/media/02.wav",
    "./modules/media/03.wav", "./modules/media/04.wav",
};

QUrl mediaUrl(int index)
{
    return QUrl::fromLocalFile(QString::fromLatin1(kMediaFiles[index]));
}
} // namespace

void myQQuickView::createMediaPlayers()
{
    for (int i = 0; i < 5; ++i) {
        auto *player = new QMediaPlayer(this);
        auto *output = new QAudioOutput(this);
        player->setAudioOutput(output);
        mediaPlayers.append(player);
        audioOutputs.append(output);
    }
    // The end of the tune restarts it; the end of the opening sound starts it.
    for (int i = 0; i < 2; ++i)
        connect(mediaPlayers[i], &QMediaPlayer::mediaStatusChanged, this,
                [this](QMediaPlayer::MediaStatus status) {
                    if (status == QMediaPlayer::EndOfMedia)
                        playMedia_Background();
                });
}

void myQQuickView::setEnableAudio(bool isEnable) { audioEnabled = isEnable; }

void myQQuickView::playMedia_Index(uchar index)
{
    if (!audioEnabled)
        return;
    if (index == 0) {
        playMedia_Background();
        return;
    }
    if (index > 4)
        return;
    QMediaPlayer *player = mediaPlayers[index];
    player->stop();
    player->setSource(QUrl());
    player->setSource(mediaUrl(index));
    player->play();
}

void myQQuickView::playMedia_Background()
{
    QMediaPlayer *player = mediaPlayers[0];
    if (player->source() != mediaUrl(0))
        player->setSource(mediaUrl(0));
    else
        player->setPosition(0);
    player->play();
}

void myQQuickView::clearAllMedia()
{
    for (QMediaPlayer *player : std::as_const(mediaPlayers)) {
        player->stop();
        player->setSource(QUrl());
    }
}
