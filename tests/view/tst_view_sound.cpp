// Sound feedback: which player each slot starts and what the sound switch
// changes. Observed through the players' sources and states, so the test
// runs the same with or without an audio device.
#include "ViewFixture.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QtTest>

using namespace viewtest;

namespace {

QString fileOf(const QMediaPlayer *player)
{
    return QFileInfo(player->source().toLocalFile()).fileName();
}

QStringList sources(const myQQuickView &view)
{
    QStringList out;
    for (const QMediaPlayer *p : view.mediaPlayers)
        out.append(fileOf(p));
    return out;
}

const QString kFiles[5] = {"00.mp3", "01.wav", "02.wav", "03.wav", "04.wav"};

} // namespace

class TstViewSound : public QObject
{
    Q_OBJECT
private slots:
    void fivePlayersEachWithItsOutput();
    void indexPlaysItsOwnPlayer_data();
    void indexPlaysItsOwnPlayer();
    void disabledSoundPlaysOnlyTheBackground();
    void clearAllStopsAndNothingComesBack();
    void endOfTuneOrOpeningStartsTheTune();
    void shippedSoundsLoad();
};

void TstViewSound::fivePlayersEachWithItsOutput()
{
    Scratch scratch;
    myQQuickView view;
    QCOMPARE(view.mediaPlayers.size(), 5);
    QSet<QAudioOutput *> outputs;
    for (QMediaPlayer *p : view.mediaPlayers) {
        QVERIFY(p->audioOutput());
        outputs.insert(p->audioOutput());
        QVERIFY(p->source().isEmpty());
    }
    QCOMPARE(outputs.size(), 5);
    QVERIFY(view.audioEnabled);
}

void TstViewSound::indexPlaysItsOwnPlayer_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < 5; ++i)
        QTest::addRow("%d", i) << i;
}

void TstViewSound::indexPlaysItsOwnPlayer()
{
    QFETCH(int, index);
    Scratch scratch;
    myQQuickView view;
    view.playMedia_Index(uchar(index));
    QStringList expected(5);
    expected[index] = kFiles[index];
    QCOMPARE(sources(view), expected);
    QCOMPARE(view.mediaPlayers[index]->playbackState(), QMediaPlayer::PlayingState);

    // Again: the same sound restarts on the same player; another overlaps.
    view.playMedia_Index(uchar(index));
    view.playMedia_Index(uchar(index == 3 ? 4 : 3));
    QCOMPARE(view.mediaPlayers[index]->playbackState(), QMediaPlayer::PlayingState);
    QCOMPARE(fileOf(view.mediaPlayers[index]), kFiles[index]);

    // Past the last number nothing happens.
    view.clearAllMedia();
    for (int beyond : {5, 6, 255})
        view.playMedia_Index(uchar(beyond));
    QCOMPARE(sources(view), QStringList(5));
}

void TstViewSound::disabledSoundPlaysOnlyTheBackground()
{
    Scratch scratch;
    myQQuickView view;
    view.playMedia_Background();
    view.setEnableAudio(false);
    QVERIFY(!view.audioEnabled);
    // The switch alone does not stop what plays.
    QCOMPARE(view.mediaPlayers[0]->playbackState(), QMediaPlayer::PlayingState);

    view.clearAllMedia();
    for (int i = 0; i < 5; ++i)
        view.playMedia_Index(uchar(i));
    QCOMPARE(sources(view), QStringList(5));

    view.playMedia_Background();
    QCOMPARE(fileOf(view.mediaPlayers[0]), kFiles[0]);
    QCOMPARE(view.mediaPlayers[0]->playbackState(), QMediaPlayer::PlayingState);

    view.setEnableAudio(true);
    view.playMedia_Index(2);
    QCOMPARE(fileOf(view.mediaPlayers[2]), kFiles[2]);
}

void TstViewSound::clearAllStopsAndNothingComesBack()
{
    Scratch scratch;
    myQQuickView view;
    for (int i = 0; i < 5; ++i)
        view.playMedia_Index(uchar(i));
    view.clearAllMedia();
    QCOMPARE(sources(view), QStringList(5));
    for (QMediaPlayer *p : view.mediaPlayers)
        QCOMPARE(p->playbackState(), QMediaPlayer::StoppedState);
    QCoreApplication::processEvents();
    QCOMPARE(sources(view), QStringList(5));

    view.playMedia_Index(0);
    QCOMPARE(fileOf(view.mediaPlayers[0]), kFiles[0]);
    QCOMPARE(view.mediaPlayers[0]->playbackState(), QMediaPlayer::PlayingState);
}

void TstViewSound::endOfTuneOrOpeningStartsTheTune()
{
    Scratch scratch;
    myQQuickView view;
    // The end of an effect sound (2 to 4) starts nothing.
    for (int i = 2; i < 5; ++i)
        emit view.mediaPlayers[i]->mediaStatusChanged(QMediaPlayer::EndOfMedia);
    QVERIFY(view.mediaPlayers[0]->source().isEmpty());

    // The opening sound's end starts the tune, even with sound switched off.
    view.setEnableAudio(false);
    emit view.mediaPlayers[1]->mediaStatusChanged(QMediaPlayer::EndOfMedia);
    QCOMPARE(fileOf(view.mediaPlayers[0]), kFiles[0]);
    QCOMPARE(view.mediaPlayers[0]->playbackState(), QMediaPlayer::PlayingState);

    view.mediaPlayers[0]->stop();
    emit view.mediaPlayers[0]->mediaStatusChanged(QMediaPlayer::EndOfMedia);
    QCOMPARE(view.mediaPlayers[0]->playbackState(), QMediaPlayer::PlayingState);
}

void TstViewSound::shippedSoundsLoad()
{
    // Each file is found and decoded (with or without an audio device).
    Scratch scratch;
    myQQuickView view;
    for (int i = 0; i < 5; ++i)
        view.playMedia_Index(uchar(i));
    for (int i = 0; i < 5; ++i) {
        QMediaPlayer *p = view.mediaPlayers[i];
        QTRY_VERIFY_WITH_TIMEOUT(p->mediaStatus() != QMediaPlayer::LoadingMedia
                                     && p->mediaStatus() != QMediaPlayer::NoMedia,
                                 20000);
        QVERIFY2(p->mediaStatus() != QMediaPlayer::InvalidMedia, qPrintable(p->errorString()));
        QCOMPARE(p->error(), QMediaPlayer::NoError);
    }
    view.clearAllMedia();
}

QTEST_MAIN(TstViewSound)
#include "tst_view_sound.moc"
