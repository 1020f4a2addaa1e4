#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

// A virtual X server of a test's own, for starting the real program on a display. The server
// picks the first free display number itself and writes it once it accepts connections: a
// number chosen first and claimed later (as xvfb-run -a does) can be taken by a server starting
// at the same moment, and the program then meets a display that refuses it. Without -noreset
// the server starts over whenever its last client leaves, which would cut off a program that
// connects while a probe leaves.
class VirtualDisplay
{
public:
    VirtualDisplay()
    {
        m_server.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-noreset"),
                        QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-screen"),
                        QStringLiteral("0"), QStringLiteral("1280x800x24")});
        QByteArray number;
        while (!number.endsWith('\n') && m_server.waitForReadyRead(30000))
            number += m_server.readAllStandardOutput();
        if (!number.trimmed().isEmpty())
            m_display = u':' + QString::fromLatin1(number.trimmed());
        else
            m_error = QStringLiteral("Xvfb gave no display: ") + QString::fromLocal8Bit(m_server.readAllStandardError());
    }

    ~VirtualDisplay()
    {
        m_server.terminate();
        if (!m_server.waitForFinished(10000))
            m_server.kill();
        m_server.waitForFinished();
    }

    VirtualDisplay(const VirtualDisplay &) = delete;
    VirtualDisplay &operator=(const VirtualDisplay &) = delete;

    // The value for DISPLAY, or empty when the server did not come up (error() says why).
    QString display() const { return m_display; }
    QString error() const { return m_error; }

private:
    QProcess m_server;
    QString m_display;
    QString m_error;
};
