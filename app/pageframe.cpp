#include "app/pageframe.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QImageReader>
#include <QInputMethod>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScroller>

namespace PageFrame
{

namespace
{
int s32Smaller(const QRect& _rect)
{
    // width and height as coordinate differences plus 1
    const int w = _rect.right() - _rect.left() + 1;
    const int h = _rect.bottom() - _rect.top() + 1;
    return qMin(w, h);
}
} // namespace

namespace
{

struct PageAnnouncements {
    QList<QWidget*> lPages;
    std::function<void(QWidget*)> fnCreated;
};

PageAnnouncements& announcements()
{
    static PageAnnouncements s_announcements;
    return s_announcements;
}

} // namespace

void vAnnouncePage(QWidget* _pPage)
{
    announcements().lPages.append(_pPage);
    if (announcements().fnCreated)
        announcements().fnCreated(_pPage);
}

void vOnPageCreated(const std::function<void(QWidget*)>& _fnCreated)
{
    announcements().fnCreated = _fnCreated;
    if (!_fnCreated)
        return;
    const QList<QWidget*> lMadeBefore = announcements().lPages;
    for (QWidget* pPage : lMadeBefore)
        _fnCreated(pPage);
}

int s32ScreenUnit()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? s32Smaller(screen->geometry()) : 0;
}

int s32AvailableUnit()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? s32Smaller(screen->availableGeometry()) : s32ScreenUnit();
}

QScreen* pFollowOrientation(QWidget* _pPage)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return nullptr;
    QObject::connect(screen, SIGNAL(orientationChanged(Qt::ScreenOrientation)), _pPage,
                     SLOT(onRotate(Qt::ScreenOrientation)));
    screen->setOrientationUpdateMask(Qt::PortraitOrientation | Qt::LandscapeOrientation |
                                     Qt::InvertedPortraitOrientation | Qt::InvertedLandscapeOrientation);
    return screen;
}

void vRelayoutTransposed(QWidget* _pPage)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    _pPage->setGeometry(0, 0, available.height(), available.width());
}

void vRelayoutAvailable(QWidget* _pPage)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    _pPage->setGeometry(0, 0, available.width(), available.height());
}

bool bIsBackKey(const QKeyEvent* _pEvent)
{
    return _pEvent->key() == Qt::Key_Back || _pEvent->key() == Qt::Key_Escape;
}

void vMakeKinetic(QAbstractScrollArea* _pView)
{
    QScroller::grabGesture(_pView->viewport(), QScroller::LeftMouseButtonGesture);
    _pView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    _pView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (auto* itemView = qobject_cast<QAbstractItemView*>(_pView)) {
        itemView->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        itemView->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    }
}

QString strProductLogo(bool _bConnected)
{
    return _bConnected ? QStringLiteral(":/VEMO_PRO.png")
                       : QStringLiteral(":/images/VEMO_Logo_without_claim.png");
}

void vSetProductLogo(QPushButton* _pButton, int _s32Screen, bool _bConnected)
{
    const double w = _s32Screen / 10.28;
    vSetIcon(_pButton, strProductLogo(_bConnected), int(3.39 * w), int(w));
}

void vSetupBackButton(QPushButton* _pButton, int _s32Screen)
{
    const int s32Icon = int(_s32Screen / 10.28);
    _pButton->setStyleSheet(Style::strIconButton());
    _pButton->setFocusPolicy(Qt::NoFocus);
    _pButton->setAutoDefault(false);
    vSetIcon(_pButton, QStringLiteral(":/back.png"), s32Icon, s32Icon);
    const QString strName = QCoreApplication::translate("PageFrame", "Zurück");
    _pButton->setToolTip(strName);
    _pButton->setAccessibleName(strName);
}

void vHideKeyboardOnFinish(QLineEdit* _pEdit)
{
    QObject::connect(_pEdit, &QLineEdit::editingFinished, QGuiApplication::inputMethod(),
                     &QInputMethod::hide);
}

namespace
{

// An icon whose picture is decoded when it is first drawn: most buttons are
// hidden at the start, and decoding all their pictures made up a fifth of the
// time to the first screen. Its size comes from the file's header.
class cLazyIconEngine : public QIconEngine
{
public:
    explicit cLazyIconEngine(const QString& _strFile) : m_strFile(_strFile) {}

    void paint(QPainter* _pPainter, const QRect& _rect, QIcon::Mode _mode, QIcon::State _state) override
    {
        icon().paint(_pPainter, _rect, Qt::AlignCenter, _mode, _state);
    }
    QPixmap pixmap(const QSize& _size, QIcon::Mode _mode, QIcon::State _state) override
    {
        return icon().pixmap(_size, _mode, _state);
    }
    QSize actualSize(const QSize& _size, QIcon::Mode, QIcon::State) override
    {
        // As a picture icon answers: its own size, made smaller to fit.
        const QSize sizeFile = fileSize();
        if (sizeFile.isEmpty() || (sizeFile.width() <= _size.width() && sizeFile.height() <= _size.height()))
            return sizeFile;
        return sizeFile.scaled(_size, Qt::KeepAspectRatio);
    }
    QIconEngine* clone() const override { return new cLazyIconEngine(m_strFile); }
    QString key() const override { return QStringLiteral("vemo.lazy"); }
    void virtual_hook(int _s32Id, void* _pData) override
    {
        if (_s32Id == QIconEngine::IsNullHook) {
            *static_cast<bool*>(_pData) = fileSize().isEmpty();
            return;
        }
        QIconEngine::virtual_hook(_s32Id, _pData);
    }

private:
    const QIcon& icon()
    {
        if (!m_bLoaded) {
            m_icon = QIcon(m_strFile);
            m_bLoaded = true;
        }
        return m_icon;
    }
    QSize fileSize()
    {
        if (!m_bSized) {
            m_sizeFile = QImageReader(m_strFile).size();
            m_bSized = true;
        }
        return m_sizeFile;
    }

    QString m_strFile;
    QIcon m_icon;
    bool m_bLoaded = false;
    bool m_bSized = false;
    QSize m_sizeFile; // from the file's header; invalid for a missing file
};

} // namespace

void vSetIcon(QPushButton* _pButton, const QString& _strIcon, int _s32Width, int _s32Height)
{
    // One icon per picture for the whole run. An icon made from a file holds
    // a pixmap of its own, and each size it is drawn at is kept in Qt's pixmap
    // cache under that pixmap's key: icons made anew at every connection
    // change, switch report and list would fill the cache with scaled copies
    // that are never asked for again. Never freed: the pages live as long.
    static auto* s_pIcons = new QHash<QString, QIcon>();
    auto it = s_pIcons->constFind(_strIcon);
    if (it == s_pIcons->constEnd())
        it = s_pIcons->insert(_strIcon, QIcon(new cLazyIconEngine(_strIcon)));
    _pButton->setIcon(it.value());
    _pButton->setIconSize(QSize(_s32Width, _s32Height));
}

} // namespace PageFrame

namespace Style
{

namespace
{

struct Rgb {
    int s32Red;
    int s32Green;
    int s32Blue;
};
constexpr Rgb YELLOW{253, 215, 4};
constexpr Rgb LABEL_YELLOW{243, 215, 4};

QString strRgb(const Rgb& _rgb)
{
    return QStringLiteral("rgb(%1, %2, %3)").arg(_rgb.s32Red).arg(_rgb.s32Green).arg(_rgb.s32Blue);
}

QString strYellowButton(const QString& _strSize, bool _bRound, int _s32MinWidthEm)
{
    return QStringLiteral("QPushButton{background-color: ") + strYellow() +
           QStringLiteral(";border-style: outset; border-width: 2px; ") +
           (_bRound ? QStringLiteral("border-radius: 29px; ") : QString()) +
           QStringLiteral("border-color: beige; font: bold ") + _strSize + QStringLiteral("px; min-width: ") +
           QString::number(_s32MinWidthEm) + QStringLiteral("em; min-height: 3ex;}");
}

} // namespace

QColor colorYellow()
{
    return QColor(YELLOW.s32Red, YELLOW.s32Green, YELLOW.s32Blue);
}

QColor colorLabelYellow()
{
    return QColor(LABEL_YELLOW.s32Red, LABEL_YELLOW.s32Green, LABEL_YELLOW.s32Blue);
}

QString strYellow()
{
    return strRgb(YELLOW);
}

QString strLabelYellow()
{
    return strRgb(LABEL_YELLOW);
}

QString strBlackPage()
{
    return QStringLiteral("QWidget{\n     background-color: rgb(0, 0, 0);\n }");
}

QString strButton(int _s32Size, int _s32MinWidthEm)
{
    return strYellowButton(QString::number(_s32Size), false, _s32MinWidthEm);
}

QString strRoundButton(int _s32Size, int _s32MinWidthEm)
{
    return strYellowButton(QString::number(_s32Size), true, _s32MinWidthEm);
}

QString strIconButton()
{
    return QStringLiteral("QPushButton{\n     background-color: rgb(0, 0, 0);\n    \n     "
                          "border-width: 1px;\n     border-radius: 1px;\n     border-color: beige;\n    \n }"
                          "\nQPushButton:pressed{\n     border:none;\n }"
                          "\nQPushButton:focus{\n     border:none;\n }");
}

QString strComboBox(int _s32Size)
{
    return QStringLiteral("QComboBox{ background-color:") + strYellow() +
           QStringLiteral("; selection-background-color: ") + strYellow() + QStringLiteral("; font: bold ") +
           QString::number(_s32Size) + QStringLiteral("px;}");
}

QString strLineEdit(int _s32Size)
{
    return QStringLiteral("QLineEdit{background-color:") + strYellow() +
           QStringLiteral(";border-image: no; font: ") + QString::number(_s32Size) + QStringLiteral("px;}");
}

QString strLabelOnBlack(int _s32Size)
{
    return QStringLiteral("QLabel{ background-color: rgb(0, 0, 0); color:") + strLabelYellow() +
           QStringLiteral("; font: bold ") + QString::number(_s32Size) + QStringLiteral("px;}");
}

QString strTitleLabel(int _s32Size)
{
    return QStringLiteral("QLabel{ color:") + strLabelYellow() + QStringLiteral("; font: bold ") +
           QString::number(_s32Size) + QStringLiteral("px;}");
}

QString strDateField()
{
    return QStringLiteral("QWidget{background-color:") + strLabelYellow() + QStringLiteral(";}");
}

QString strValueFrame(int _s32Size)
{
    return QStringLiteral("QLabel{border-style: outset;border-width: 2px;border-radius: 10px;"
                          "border-color: beige;font: bold ") +
           QString::number(_s32Size) + QStringLiteral("px;min-width: 3em;}");
}

} // namespace Style
