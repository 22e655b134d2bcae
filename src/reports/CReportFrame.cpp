#include "reports/CReportFrame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "core/UserMessages.h"
#include "platform/Cp1252.h"
#include "platform/FileDialogs.h"
#include "platform/ModalDialogs.h"
#include "reports/CReportViewBase.h"

CReportFrame::CReportFrame(CReportViewBase& view, ModalDialogs& dialogs, FileDialogs& fileDialogs,
                           UserMessages& messages, QWidget* parent)
    : QDialog(parent)
    , m_view(view)
    , m_dialogs(dialogs)
    , m_fileDialogs(fileDialogs)
    , m_messages(messages)
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("reportFrame"));
    setWindowTitle(QStringLiteral("Druckmodul"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setWindowState(Qt::WindowMaximized);
    m_printer->setPageOrientation(QPageLayout::Landscape);

    auto* leiste = new QHBoxLayout;
    auto knopf = [&](const char* name, const QString& text, auto slot) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        leiste->addWidget(b);
        return b;
    };
    knopf("buttonDrucken", QStringLiteral("&Drucken..."), [this] { Drucken(); });
    knopf("buttonPdf", QStringLiteral("Als PDF speichern..."), [this] { AlsPdfSpeichern(); });
    m_naechste = knopf("buttonNaechste", QStringLiteral("&Nächste"), [this] { Step(1); });
    m_vorherige = knopf("buttonVorherige", QStringLiteral("&Vorherige"), [this] { Step(-1); });
    m_seiten = knopf("buttonSeiten", QStringLiteral("&Zwei Seiten"), [this] { ToggleTwoPages(); });
    knopf("buttonVergroessern", QStringLiteral("Ver&größern"), [this] { m_preview->zoomIn(); });
    knopf("buttonVerkleinern", QStringLiteral("Ver&kleinern"), [this] { m_preview->zoomOut(); });
    knopf("buttonSchliessen", QStringLiteral("&Schließen"), [this] { reject(); });
    m_seite = new QLabel(this);
    m_seite->setObjectName(QStringLiteral("labelSeite"));
    leiste->addSpacing(12);
    leiste->addWidget(m_seite);
    leiste->addStretch(1);

    m_preview = new QPrintPreviewWidget(m_printer.get(), this);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setViewMode(QPrintPreviewWidget::SinglePageView);
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) {
        m_view.Drucke(*printer);
    });
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this, &CReportFrame::UpdatePageLabel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(leiste);
    layout->addWidget(m_preview, 1);
    m_preview->updatePreview();
    UpdatePageLabel();
}

CReportFrame::~CReportFrame()
{
    // The preview draws on the printer until it is gone.
    delete m_preview;
}

void CReportFrame::UpdatePageLabel()
{
    const bool zwei = m_preview->viewMode() == QPrintPreviewWidget::FacingPagesView;
    // With two pages side by side the preview's own current page is
    // whichever of the two it finds nearer; the page stepped to stays.
    if (!zwei)
        m_aktuelleSeite = m_preview->currentPage();
    m_aktuelleSeite = std::clamp(m_aktuelleSeite, 1, std::max(1, m_preview->pageCount()));
    const int seite = m_aktuelleSeite;
    m_naechste->setEnabled(seite + (zwei ? 1 : 0) < m_preview->pageCount());
    m_vorherige->setEnabled(seite > 1);
    if (zwei && seite < m_preview->pageCount())
        m_seite->setText(QStringLiteral("Seiten %1-%2").arg(seite).arg(seite + 1));
    else
        m_seite->setText(QStringLiteral("Seite %1").arg(seite));
}

void CReportFrame::ToggleTwoPages()
{
    const bool zwei = m_preview->viewMode() != QPrintPreviewWidget::FacingPagesView;
    m_preview->setViewMode(zwei ? QPrintPreviewWidget::FacingPagesView : QPrintPreviewWidget::SinglePageView);
    m_seiten->setText(zwei ? QStringLiteral("&Eine Seite") : QStringLiteral("&Zwei Seiten"));
    m_preview->setCurrentPage(m_aktuelleSeite);
    UpdatePageLabel();
}

void CReportFrame::Step(int pages)
{
    m_aktuelleSeite = std::clamp(m_aktuelleSeite + pages, 1, std::max(1, m_preview->pageCount()));
    m_preview->setCurrentPage(m_aktuelleSeite);
    if (m_preview->viewMode() != QPrintPreviewWidget::FacingPagesView)
        m_aktuelleSeite = m_preview->currentPage();
    UpdatePageLabel();
}

void CReportFrame::Drucken()
{
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPageOrientation(QPageLayout::Landscape);
    if (!m_view.PrepareLines())
        return;
    QPrintDialog dialog(&drucker, this);
    dialog.setObjectName(QStringLiteral("printDialog"));
    dialog.setMinMax(1, m_view.PageCount());
    drucker.setFromTo(1, m_view.PageCount());
    if (m_dialogs.Run(dialog) != QDialog::Accepted)
        return;
    const bool bereich = drucker.printRange() == QPrinter::PageRange;
    if (!m_view.Drucke(drucker, bereich ? drucker.fromPage() : 0, bereich ? drucker.toPage() : 0))
        m_messages.Error("Der Bericht konnte nicht gedruckt werden.");
}

void CReportFrame::AlsPdfSpeichern()
{
    const QString pfad = m_fileDialogs.SavePdf(QString(), m_view.PdfName());
    if (pfad.isEmpty())
        return;
    if (!m_view.SchreibePdf(pfad))
        m_messages.Error("Die Datei " + Cp1252::FromQString(pfad).value_or(pfad.toStdString())
                         + " konnte nicht geschrieben werden.");
}
