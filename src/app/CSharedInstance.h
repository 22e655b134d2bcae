#pragma once
// One running copy per user. The first copy listens on a local socket
// that only its user can reach; a later start connects, hands over the
// file it was given and ends, and the first copy comes to the front (and
// opens that file). The message carries what a Windows program would put
// into a shared block: the flags (1: show the window, 2: open the file)
// and one path of at most 259 bytes with its terminating zero. The answer
// says whether the first copy has its window yet: while it is still
// showing its start-up picture it has none, and the later start says so.
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>

class QLocalServer;
class QLocalSocket;
class UserMessages;

class CSharedInstance : public QObject {
    Q_OBJECT
public:
    static constexpr int PfadFeld = 260;               // bytes, with the terminating zero
    static constexpr int NachrichtGroesse = 4 + PfadFeld;
    static const char* const FensterNichtGefunden;     // "Das Fenster der Applikation wurde nicht gefunden"
    static const char* const KanalFehlt;               // when the socket cannot be made

    // The socket of this user: in $XDG_RUNTIME_DIR, else in the temporary
    // folder with the user's name in the socket's name.
    static QString DefaultName();

    explicit CSharedInstance(UserMessages& messages, QString name = DefaultName(), int answerTimeoutMs = 5000);
    ~CSharedInstance() override;

    // true when this copy is the first and goes on. false when it must end:
    // it has handed over (the first argument that names an existing file,
    // if any), or said why it could not.
    bool CheckSingleInstance(const QStringList& arguments);
    // After a false CheckSingleInstance: a first copy was reached.
    bool HatUebergeben() const { return m_uebergeben; }
    // From now on later starts reach the window: wake(flags) runs for each.
    void PublishMainWindow(std::function<void(int flags)> wake);
    // The path the last later start handed over ("" when none).
    std::string GetSharedPath() const { return m_path; }

    // The message a later start sends.
    static QByteArray Nachricht(int flags, const std::string& path);
    // The first argument that names an existing file, "" when none does.
    static std::string ErsteDatei(const QStringList& arguments);

private:
    bool Listen();
    // false when no first copy answers on the socket.
    bool HandOver(const QStringList& arguments, bool& answered);
    void OnConnection();
    void OnMessage(QLocalSocket* socket);

    UserMessages& m_messages;
    QString m_name;
    int m_timeout;
    std::unique_ptr<QLocalServer> m_server;
    std::function<void(int)> m_wake;
    std::string m_path;
    bool m_uebergeben = false;
};
