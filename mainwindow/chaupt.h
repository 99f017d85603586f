#pragma once

#include <QWidget>

class cHaupt : public QWidget
{
    Q_OBJECT
public:
    static cHaupt* instance();
    cHaupt();
};
