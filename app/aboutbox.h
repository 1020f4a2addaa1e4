#pragma once

#include <QDialog>

// The About box: the program's icon, title and version, a word on what it is for, who made
// it, and a disclaimer. It stands on its own, without an owner and without blocking the main
// window; OK closes and unloads it, and the next About builds it anew.
class AboutBox final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutBox)

public:
    explicit AboutBox(QWidget *parent = nullptr);

private:
    void createLabels();
    void createLine();
    void createOkButton();
};
