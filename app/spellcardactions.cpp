#include "app/spellcardactions.h"

#include <QDir>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

#include "app/spellcardpages.h"
#include "cards/spellcard.h"
#include "cards/spellcardexport.h"
#include "windowmodel/cantrix.h"

SpellCardActions::SpellCardActions(Cantrix &cantrix, QWidget *window)
    : QObject(window), m_cantrix(cantrix), m_window(window),
      m_export(new SpellCardExport(cantrix, cantrix.platform(), &SpellCardPages::writePdf, this))
{
}

void SpellCardActions::setStartFolder(std::function<QString()> folder)
{
    m_export->setStartFolder(std::move(folder));
}

void SpellCardActions::exportCard()
{
    m_export->mnuExportCard_Click();
}

void SpellCardActions::print()
{
    QPrinter printer(QPrinter::HighResolution);
    // The print dialog proposes a file to print to from the document name, after cutting off
    // what follows its last dot: the card's name as Export proposes it, with its suffix.
    printer.setDocName(m_export->cardName() + QStringLiteral(".pdf"));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QPrintDialog dialog(&printer, m_window);
    dialog.setWindowTitle(tr("Print Spell Card"));
    if (dialog.exec() != QDialog::Accepted)
        return;

    const std::unique_ptr<QTextDocument> document =
        SpellCardPages::layOut(SpellCard::html(m_export->spell()), printer);
    SpellCardPages::paint(*document, printer);
    if (printer.printerState() == QPrinter::Error) {
        const QString target = printer.outputFileName().isEmpty()
                                   ? printer.printerName()
                                   : QDir::toNativeSeparators(printer.outputFileName());
        m_cantrix.platform().showWarning(tr("Spell Card Not Printed"),
                                         tr("The spell card could not be printed to %1.").arg(target));
    }
}
