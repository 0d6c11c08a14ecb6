// Plays every shipped sound through Qt Multimedia (as the program does, one
// QMediaPlayer with its own QAudioOutput) and prints, per file, whether it
// loaded, its duration and whether EndOfMedia arrived.  Works without an
// audio device (playback then runs in real time all the same).
//
//   verify_media <modules/media folder>
//
// Not part of the program's build; check_qt.py --media compiles it on demand.

#include <QAudioOutput>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMediaPlayer>
#include <QTextStream>
#include <QTimer>
#include <QUrl>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QDir media(QString::fromLocal8Bit(argv[1]));
    QTextStream out(stdout);
    int failures = 0;
    for (const QString &name : { "00.mp3", "01.wav", "02.wav", "03.wav", "04.wav" }) {
        QMediaPlayer player;
        QAudioOutput output;
        player.setAudioOutput(&output);
        bool ended = false, error = false;
        QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, [&](QMediaPlayer::MediaStatus s) {
            if (s == QMediaPlayer::EndOfMedia)
                ended = true;
            if (s == QMediaPlayer::InvalidMedia)
                error = true;
        });
        QObject::connect(&player, &QMediaPlayer::errorOccurred, [&] { error = true; });
        QElapsedTimer t;
        t.start();
        player.setSource(QUrl::fromLocalFile(media.filePath(name)));
        player.play();
        while (!ended && !error && t.elapsed() < 40000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        out << name << " duration_ms=" << player.duration() << " ended=" << ended
            << " error=" << error << " " << player.errorString() << "\n";
        out.flush();
        failures += !ended || error;
    }
    return failures ? 1 : 0;
}
