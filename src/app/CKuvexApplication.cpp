#include "app/CKuvexApplication.h"

#include <exception>

CKuvexApplication::CKuvexApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Kuvex"));
}

bool CKuvexApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& fehler) {
        Ende(fehler.what());
    } catch (...) {
        Ende(std::string());
    }
    return true;
}

void CKuvexApplication::Ende(const std::string& text)
{
    // Only the first error is shown; the ones that follow while the loops
    // unwind would only repeat it.
    if (!m_ending) {
        m_ending = true;
        if (m_fatal)
            m_fatal(text);
    }
    exit(1);
}
