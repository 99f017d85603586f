#pragma once

#include <QDialog>

// A page that is a dialog and closes on the back key. A dialog would close
// itself when Escape goes down; a page acts on the release of the back key
// (Escape counts as one), so the press is taken here and the release calls
// vOnBackKey(), which each page fills with its own way back.
class cDialogSeite : public QDialog
{
    Q_OBJECT

public:
    explicit cDialogSeite(QWidget* _pParent = nullptr);

protected:
    // The back key was released: leave the page.
    virtual void vOnBackKey() {}

    void keyPressEvent(QKeyEvent* _pEvent) override;
    void keyReleaseEvent(QKeyEvent* _pEvent) override;
};
