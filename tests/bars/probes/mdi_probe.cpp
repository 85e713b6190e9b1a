// corvanet-mdi-probe [--maximize]: an MDI form of the toolbar framework to drive by hand or
// under Xvfb. The frame has a main-menu bar ("File") and an MDI area with two children, each
// with a main-menu bar of its own ("Document 1", "Document 2") that joins the frame's while
// the child is maximized, together with the child's minimize, restore and close buttons at
// the bar's far end. The first child has a floating toolbar that shows only while that child
// is the active one and the program is active. "File" holds "Modal box in 2 s", which shows a
// modal message box two seconds after it is chosen (a caption button held meanwhile lets go),
// and "Hide for 2 s"; closing the frame asks first. What happens to the children is written
// to the standard output, a line each.
#include "bars/items/bar_button.h"
#include "bars/items/bar_sub_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/menus/menu_windows.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"
#include "bars/windows/dock_control.h"
#include "bars/windows/toolbar_windows.h"
#include "platform/qt/input_event_filter.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <string>

namespace {

using bars::TcbBar;
using bars::TcbBarManager;

TcbBar& MainMenu(TcbBarManager& manager, const std::string& menu, const std::string& caption,
                 std::initializer_list<const char*> entries) {
    auto& sub = manager.CreateItem<bars::TcbBarSubItem>(menu);
    sub.SetCaption(caption);
    for (const char* entry : entries) {
        auto& button = manager.CreateItem<bars::TcbBarButton>(menu + std::to_string(sub.ItemLinks().Count()));
        button.SetCaption(entry);
        sub.ItemLinks().Add().SetItem(&button);
    }
    TcbBar& bar = manager.Bars().Add();
    bar.SetCaption("Main Menu");
    bar.SetIsMainMenu(true);
    bar.SetDockingStyle(bars::dsTop);
    bar.ItemLinks().Add().SetItem(&sub);
    return bar;
}

void Tell(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

QMdiSubWindow& AddChild(QMdiArea& area, int number) {
    const std::string name = "Document " + std::to_string(number);
    auto* form = new QWidget;
    form->setMinimumSize(200, 120);
    auto* manager = new TcbBarManager(form);
    MainMenu(*manager, "mnuDoc" + std::to_string(number), "&" + name, {"&Save", "&Print"}).SetVisible(true);
    if (number == 1) {
        TcbBar& tools = manager->Bars().Add();
        tools.SetCaption("Child 1 tools");
        tools.SetFloatLeft(700);
        tools.SetFloatTop(120);
        for (const char* caption : {"One", "Two"}) {
            auto& button = manager->CreateItem<bars::TcbBarButton>(std::string("btn") + caption);
            button.SetCaption(caption);
            button.SetPaintStyle(bars::psCaption);
            tools.ItemLinks().Add().SetItem(&button);
        }
        tools.SetFloatClientWidth(120);
        tools.SetVisible(true);
    }
    QMdiSubWindow* sub = area.addSubWindow(form);
    sub->setWindowTitle(QString::fromStdString("Child " + std::to_string(number)));
    sub->setGeometry(20 + 40 * number, 20 + 30 * number, 260, 170);
    QObject::connect(sub, &QMdiSubWindow::windowStateChanged, [number](Qt::WindowStates, Qt::WindowStates now) {
        const char* state = (now & Qt::WindowMinimized)   ? "minimized"
                            : (now & Qt::WindowMaximized) ? "maximized"
                                                          : "normal";
        Tell("child " + std::to_string(number) + " " + state);
    });
    QObject::connect(sub, &QObject::destroyed, [number] { Tell("child " + std::to_string(number) + " closed"); });
    return *sub;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const bool maximize = argc > 1 && std::string(argv[1]) == "--maximize";
    bars::InstallToolbarWindows();
    bars::InstallMenuWindows();
    platform::InputEventFilter::Connect();

    QWidget frame;
    frame.setWindowTitle("MDI probe");
    frame.setGeometry(40, 40, 640, 420);
    auto* manager = new TcbBarManager(&frame);
    manager->SetStyle(bars::bmsStandard);
    TcbBar& menu = MainMenu(*manager, "mnuFile", "&File", {"&Modal box in 2 s", "&Hide for 2 s", "E&xit"});
    auto* area = new QMdiArea(&frame);
    menu.SetVisible(true);
    const auto fit = [manager, area] {
        const platform::Rect inner = bars::DockAreasOf(*manager).InnerRect();
        area->setGeometry(inner.left, inner.top, inner.Width(), inner.Height());
    };
    auto* file = dynamic_cast<bars::TCustomcbBarSubItem*>(manager->ItemByName("mnuFile"));
    file->ItemLinks().Items(0)->Item()->OnClick = [&frame](platform::Component*) {
        QTimer::singleShot(2000, &frame, [&frame] {
            Tell("modal box");
            QMessageBox::information(&frame, "MDI probe", "A modal box.");
        });
    };
    file->ItemLinks().Items(1)->Item()->OnClick = [&frame](platform::Component*) {
        frame.hide();
        QTimer::singleShot(2000, &frame, [&frame] {
            frame.show();
            frame.activateWindow();
        });
    };
    file->ItemLinks().Items(2)->Item()->OnClick = [&frame](platform::Component*) { frame.close(); };
    QMdiSubWindow& first = AddChild(*area, 1);
    AddChild(*area, 2);
    // The MDI area fills what the dock areas leave of the frame; the frame asks before it closes.
    struct Follower : QObject {
        std::function<void()> fit;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Resize) fit();
            if (event->type() != QEvent::Close || !static_cast<QWidget*>(watched)->isWindow()) return false;
            const bool close = QMessageBox::question(static_cast<QWidget*>(watched), "MDI probe", "Close the probe?") ==
                               QMessageBox::Yes;
            Tell(close ? "closing" : "close refused");
            if (!close) event->ignore();
            return !close;
        }
    } follower;
    follower.fit = fit;
    frame.installEventFilter(&follower);
    bars::DockAreasOf(*manager).Area(bars::dsTop)->installEventFilter(&follower);
    frame.show();
    fit();
    area->setActiveSubWindow(&first);
    if (maximize) first.showMaximized();
    return QApplication::exec();
}
