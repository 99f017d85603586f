#include "mainwindow/chaupt.h"
#include "app/pageframe.h"

cHaupt* cHaupt::instance()
{
    return PageFrame::tInstance<cHaupt>();
}

cHaupt::cHaupt()
{
    setWindowTitle(tr("Feldbrief"));
}
