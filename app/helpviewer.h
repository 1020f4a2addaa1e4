#pragma once

#include <QDialog>

class HelpBrowser;
class QTextBrowser;

// The help page shown by the program itself, for a desktop that has no program for web pages.
// Links within the page and to pages beside it are followed here; Back returns along them.
// It does not block the main window, so the user can read and design side by side. What a page
// names is read only from regular files in the first page's folder, and a page whose markup
// would take the viewer too long to lay out is replaced by a note saying so (see HelpPage).
class HelpViewer final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpViewer)

public:
    explicit HelpViewer(QWidget *parent = nullptr);

    // Shows the page at `path` from its top.
    void showPage(const QString &path);

    QTextBrowser *browser() const;

private:
    HelpBrowser *m_browser;
};
