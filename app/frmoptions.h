#pragma once

#include <QDialog>

#include "author/authoroptionsform.h"

class ARButton;
class Platform;
class QComboBox;
class QGridLayout;
class QSettings;

// The Options dialog on screen: the author's name, e-mail address and home page, stored in
// the author options file by OK. A humble view of AuthorOptionsForm: typing goes into the
// model's fields, the buttons run its handlers, and the dialog closes (and is deleted) when the
// model asks for it. OK also keeps the program's language in the settings, for the next start.
// It is modeless and has no parent window, so it can stay open after the main window has closed.
class FrmOptions final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrmOptions)

public:
    // The language choice goes into `settings`, the program's own (opened the safe way).
    FrmOptions(Platform &platform, QSettings &settings, QWidget *parent = nullptr);

    AuthorOptionsForm &model() { return m_model; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void addLanguage(QGridLayout *grid);

    AuthorOptionsForm m_model;
    QSettings &m_settings;
    ARButton *m_ok = nullptr;
    QComboBox *m_language = nullptr;
};
