#include "app/CEndeSignal.h"

#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> Signale = {SIGTERM, SIGHUP, SIGINT};
int g_pipe[2] = {-1, -1};
struct sigaction g_vorher[Signale.size()];

void Handler(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(g_pipe[1], &byte, 1);
}

} // namespace

CEndeSignal::CEndeSignal(std::function<void()> beimEnde)
    : m_beimEnde(std::move(beimEnde))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pipe) != 0)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &CEndeSignal::Lies);
    struct sigaction neu = {};
    neu.sa_handler = Handler;
    sigemptyset(&neu.sa_mask);
    neu.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < Signale.size(); ++i)
        ::sigaction(Signale[i], &neu, &g_vorher[i]);
}

CEndeSignal::~CEndeSignal()
{
    if (!m_notifier)
        return;
    for (std::size_t i = 0; i < Signale.size(); ++i)
        ::sigaction(Signale[i], &g_vorher[i], nullptr);
    m_notifier.reset();
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void CEndeSignal::Lies()
{
    char bytes[16];
    while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
    }
    if (m_beimEnde)
        m_beimEnde();
}
