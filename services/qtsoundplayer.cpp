#include "services/qtsoundplayer.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

#include "core/filereader.h"

namespace brainlark
{

namespace
{
constexpr int kGraceMs = 1000;
constexpr int kUnknownLengthMs = 10000;
} // namespace

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::play(const QString& wavPath, Ended ended)
{
    stop();
    m_ended = std::move(ended);
    if (wavPath.isEmpty() || !QFileInfo(wavPath).isFile()) {
        reportEnd();
        return;
    }
    // A fresh effect per sound: QSoundEffect keeps its old source while a new one loads.
    m_effect = std::make_unique<QSoundEffect>();
    m_effect->setSource(QUrl::fromLocalFile(QFileInfo(wavPath).absoluteFilePath()));
    m_effect->play();
    if (m_ended) {
        const int length = wavDurationMs(wavPath);
        watchEnd((length < 0 ? kUnknownLengthMs : length) + kGraceMs);
    }
}

void QtSoundPlayer::stop()
{
    if (m_effect) {
        m_effect->disconnect();
        m_effect->stop();
    }
    m_timeout.reset();
    reportEnd();
}

void QtSoundPlayer::watchEnd(int timeoutMs)
{
    QObject::connect(m_effect.get(), &QSoundEffect::playingChanged, m_effect.get(), [this] {
        if (!m_effect->isPlaying() && m_effect->status() != QSoundEffect::Loading)
            reportEnd();
    });
    QObject::connect(m_effect.get(), &QSoundEffect::statusChanged, m_effect.get(), [this] {
        if (m_effect->status() == QSoundEffect::Error)
            reportEnd();
    });
    m_timeout = std::make_unique<QTimer>();
    m_timeout->setSingleShot(true);
    QObject::connect(m_timeout.get(), &QTimer::timeout, m_timeout.get(), [this] { reportEnd(); });
    m_timeout->start(timeoutMs);
    if (m_effect->status() == QSoundEffect::Error)
        reportEnd();
}

// The waiter hears of the end from the event loop, never from inside play() or stop(): it may start the
// next sound straight away.
void QtSoundPlayer::reportEnd()
{
    if (Ended ended = std::move(m_ended)) {
        m_ended = nullptr;
        QTimer::singleShot(0, std::move(ended));
    }
}

int QtSoundPlayer::wavDurationMs(const QString& wavPath)
{
    std::string bytes;
    if (!FileReader::read(QFile::encodeName(wavPath).toStdString(), bytes, nullptr))
        return -1;
    QBuffer file;
    file.setData(QByteArray::fromStdString(bytes));
    file.open(QIODevice::ReadOnly);
    const QByteArray head = file.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return -1;
    quint32 byteRate = 0;
    // Walk the chunks; only "fmt " (for the byte rate) and "data" (for the length) matter.
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8)
            return -1;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (chunk.startsWith("fmt ")) {
            const QByteArray fmt = file.read(16);
            if (fmt.size() < 16)
                return -1;
            byteRate = qFromLittleEndian<quint32>(fmt.constData() + 8);
            if (!file.seek(file.pos() + qint64(size) - 16 + (size & 1)))
                return -1;
        } else if (chunk.startsWith("data")) {
            if (byteRate == 0)
                return -1;
            const quint64 available = quint64(file.size() - file.pos());
            const quint64 bytes = qMin<quint64>(size, available);
            return int(qMin<quint64>(bytes * 1000 / byteRate, 600000));
        } else if (!file.seek(file.pos() + qint64(size) + (size & 1))) {
            return -1;
        }
    }
    return -1;
}

} // namespace brainlark
