#include "reports/CReportStarter.h"

#include <QApplication>
#include <QWidget>

#include "platform/ModalDialogs.h"
#include "reports/CKassabuchReportView.h"
#include "reports/CReportFrame.h"
#include "reports/CProtokollReportView.h"
#include "reports/CStatistikReportView.h"

CReportStarter::CReportStarter(Bericht bericht, const CDatenZugriff& zugriff, ModalDialogs& dialogs,
                               FileDialogs& fileDialogs, UserMessages& messages)
    : m_bericht(bericht)
    , m_zugriff(zugriff)
    , m_dialogs(dialogs)
    , m_fileDialogs(fileDialogs)
    , m_messages(messages)
{
}

std::unique_ptr<CReportViewBase> CReportStarter::MakeView() const
{
    const CReportDaten daten = CReportDaten::Aus(m_zugriff);
    if (m_bericht == Bericht::Statistik)
        return std::make_unique<CStatistikReportView>(daten);
    if (m_bericht == Bericht::Protokoll)
        return std::make_unique<CProtokollReportView>(daten);
    return std::make_unique<CKassabuchReportView>(daten);
}

bool CReportStarter::Open(QWidget* parent)
{
    const std::unique_ptr<CReportViewBase> view = MakeView();
    return Zeige(*view, parent, m_dialogs, m_fileDialogs, m_messages);
}

bool CReportStarter::Zeige(CReportViewBase& view, QWidget* parent, ModalDialogs& dialogs, FileDialogs& fileDialogs,
                           UserMessages& messages)
{
    if (!parent)
        parent = QApplication::activeWindow();
    if (!view.PrepareLines())
        return false;

    // The preview stands in for the main window while it is open; the
    // window comes back in the state it had (maximised stays maximised).
    const Qt::WindowStates zustand = parent ? parent->windowState() : Qt::WindowNoState;
    const bool sichtbar = parent && parent->isVisible();
    if (parent)
        parent->hide();
    {
        // Owned by the hidden window, the preview is never the program's
        // last window: closing it must not end the program.
        CReportFrame frame(view, dialogs, fileDialogs, messages, parent);
        dialogs.Run(frame);
    }
    if (parent && sichtbar) {
        parent->setWindowState(zustand);
        parent->show();
        parent->activateWindow();
    }
    return true;
}
