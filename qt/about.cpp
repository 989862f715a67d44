#include "about.h"

#include "centring.h"
#include "fonts.h"
#include "identity.h"
#include "layout.h"
#include "qt_conversions.h"

#include <QDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace quimbel {

namespace {

// OK is not a cancel button, so Escape does not close the box; OK and the
// title bar's close button do.
class AboutWindow final : public QDialog {
public:
    AboutWindow()
        : QDialog(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() != Qt::Key_Escape)
            QDialog::keyPressEvent(event);
    }
};

QLabel* centredLabel(QDialog* dialog, const ControlLayout& layout) {
    auto* label = new QLabel(fromUtf8(layout.caption), dialog);
    applyLayout(label, layout);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAutoFillBackground(true);
    return label;
}

// Centres the window, frame included, on the primary screen.
void centre(QDialog* dialog) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = dialog->frameGeometry().size();
    dialog->move(screen.x() + centredPixels(screen.width(), outer.width(), designDpi),
                 screen.y() + centredPixels(screen.height(), outer.height(), designDpi));
}

} // namespace

About::~About() {
    delete window_;
}

void About::load() {
    if (window_)
        return;
    installFontSubstitutes();
    window_ = new AboutWindow;
    window_->setObjectName(QStringLiteral("About"));
    window_->setAttribute(Qt::WA_DeleteOnClose);
    window_->setWindowTitle(fromUtf8(aboutTitle));
    window_->resize(pixels(aboutWidth), pixels(aboutHeight));

    // Created bottom to top: lblApplication lies over lblHeading where they meet.
    lblHeading = centredLabel(window_, aboutControl("lblHeading"));
    lblHeading->setWordWrap(true);
    lblApplication = centredLabel(window_, aboutControl("lblApplication"));
    lblCopyright = centredLabel(window_, aboutControl("lblCopyright"));

    auto* line1 = new QFrame(window_);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setGeometry(pixels(aboutLineLeft), pixels(aboutLineTop),
                       pixels(aboutLineRight - aboutLineLeft) + 1, 1);
    line1->setAutoFillBackground(true);
    line1->setBackgroundRole(QPalette::WindowText);

    constexpr const ControlLayout& ok = aboutControl("cmdOK");
    auto* cmdOK = new QPushButton(fromUtf8(ok.caption), window_);
    applyLayout(cmdOK, ok);
    cmdOK->setAutoDefault(false);
    QObject::connect(cmdOK, &QPushButton::clicked, window_, &QDialog::close);
    cmdOK->setFocus();

    window_->winId(); // the frame is known once the native window exists
    centre(window_);
}

void About::setApplication(std::string_view text) {
    load();
    lblApplication->setText(fromUtf8(text));
}

void About::setHeading(std::string_view text) {
    load();
    lblHeading->setText(fromUtf8(text));
}

void About::setCopyright(std::string_view text) {
    load();
    lblCopyright->setText(fromUtf8(copyrightPrefix) + fromUtf8(text));
}

void About::Display() {
    load();
    // exec() deletes a delete-on-close dialog once it returns.
    window_->exec();
}

} // namespace quimbel
