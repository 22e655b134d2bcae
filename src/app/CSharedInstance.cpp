#include "app/CSharedInstance.h"

#include "core/UserMessages.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <cerrno>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

const char* const CSharedInstance::FensterNichtGefunden = "Das Fenster der Applikation wurde nicht gefunden";
const char* const CSharedInstance::KanalFehlt =
    "Kuvex kann nicht feststellen, ob das Programm schon l\xE4uft. Das Programm wird beendet.";

namespace {

constexpr char kGefunden = '1';
constexpr char kNichtGefunden = '0';

QString Benutzer()
{
    const passwd* pw = getpwuid(getuid());
    return pw ? QString::fromLocal8Bit(pw->pw_name) : QString::number(getuid());
}

} // namespace

QString CSharedInstance::DefaultName()
{
    const QString runtime = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime + QStringLiteral("/kuvex.sock");
    return QDir::tempPath() + QStringLiteral("/kuvex-") + Benutzer() + QStringLiteral(".sock");
}

CSharedInstance::CSharedInstance(UserMessages& messages, QString name, int answerTimeoutMs)
    : m_messages(messages)
    , m_name(std::move(name))
    , m_timeout(answerTimeoutMs)
{
}

CSharedInstance::~CSharedInstance()
{
    // The socket file goes with the first copy, so the next start finds
    // no stale one.
    if (m_server)
        m_server->close();
}

QByteArray CSharedInstance::Nachricht(int flags, const std::string& path)
{
    QByteArray bytes(NachrichtGroesse, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((static_cast<unsigned>(flags) >> (8 * i)) & 0xFF);
    // A longer path is cut so that the field still ends with its zero.
    const std::size_t n = std::min<std::size_t>(path.size(), PfadFeld - 1);
    std::copy_n(path.data(), n, bytes.data() + 4);
    return bytes;
}

std::string CSharedInstance::ErsteDatei(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        const std::string path = QFile::encodeName(argument).toStdString();
        std::error_code ec;
        // The first copy runs in another folder: it gets the whole path.
        if (std::filesystem::is_regular_file(path, ec))
            return std::filesystem::absolute(path, ec).lexically_normal().string();
    }
    return {};
}

bool CSharedInstance::Listen()
{
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server.get(), &QLocalServer::newConnection, this, &CSharedInstance::OnConnection);
    return m_server->listen(m_name);
}

bool CSharedInstance::CheckSingleInstance(const QStringList& arguments)
{
    // Asking first: listening would quietly put a new socket in place of
    // the running copy's.
    bool answered = false;
    if (HandOver(arguments, answered)) {
        m_uebergeben = true;
        if (!answered)
            m_messages.Error(FensterNichtGefunden);
        return false;
    }
    // Nobody answers: there is no socket, or one left by a copy that died.
    QLocalServer::removeServer(m_name);
    if (Listen())
        return true;
    m_messages.Error(KanalFehlt);
    return false;
}

bool CSharedInstance::HandOver(const QStringList& arguments, bool& answered)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(m_timeout))
        return false;
    const std::string path = ErsteDatei(arguments);
    socket.write(Nachricht(path.empty() ? 1 : 3, path));
    socket.flush();
    // The first copy answers from its own event loop; this copy waits for
    // it without blocking its own, in case both live in one process.
    QEventLoop warten;
    QTimer frist;
    frist.setSingleShot(true);
    connect(&frist, &QTimer::timeout, &warten, &QEventLoop::quit);
    connect(&socket, &QLocalSocket::readyRead, &warten, &QEventLoop::quit);
    connect(&socket, &QLocalSocket::disconnected, &warten, &QEventLoop::quit);
    frist.start(m_timeout);
    if (socket.bytesAvailable() == 0)
        warten.exec();
    const QByteArray antwort = socket.read(1);
    answered = antwort.size() == 1 && antwort[0] == kGefunden;
    return true;
}

void CSharedInstance::PublishMainWindow(std::function<void(int flags)> wake)
{
    m_wake = std::move(wake);
}

void CSharedInstance::OnConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { OnMessage(socket); });
        if (socket->bytesAvailable() > 0)
            OnMessage(socket);
    }
}

void CSharedInstance::OnMessage(QLocalSocket* socket)
{
    if (socket->bytesAvailable() < NachrichtGroesse)
        return;
    const QByteArray bytes = socket->read(NachrichtGroesse);
    int flags = 0;
    for (int i = 0; i < 4; ++i)
        flags |= static_cast<unsigned char>(bytes[i]) << (8 * i);
    const char* feld = bytes.constData() + 4;
    std::string path(feld, strnlen(feld, PfadFeld));
    if (flags & 2)
        m_path = std::move(path);
    socket->write(QByteArray(1, m_wake ? kGefunden : kNichtGefunden));
    socket->flush();
    socket->disconnectFromServer();
    if (m_wake) {
        // The later start is answered before the window acts: opening a
        // file may ask questions that take the user a while.
        const std::function<void(int)> wake = m_wake;
        QTimer::singleShot(0, this, [wake, flags] { wake(flags); });
    }
}
