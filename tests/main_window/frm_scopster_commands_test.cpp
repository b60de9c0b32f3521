#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <stdexcept>
#include <string>

#include "platform/application_info.h"
#include "tests/main_window/window_fixture.h"

namespace {

class FrmScopsterCommandsTest : public window_test::WindowTest {};

void showActive(QWidget& window) {
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

TEST_F(FrmScopsterCommandsTest, TabGoesFromTheButtonThroughTheBoxesAndListAndBack) {
  newWindow();
  showActive(*window);
  std::vector<std::string> visited;
  for (int press = 0; press < 5; ++press) {
    visited.push_back(QApplication::focusWidget()->objectName().toStdString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(visited, (std::vector<std::string>{"cmdAnalyse", "txtSource", "lstText", "chkAutoScroll", "cmdAnalyse"}));
}

// Ctrl+X cuts in the source box while it has selected text; anywhere else it
// is File > Exit, which keeps the box's text.
TEST_F(FrmScopsterCommandsTest, MenuShortcutsWinOverTheSourceBoxOwnKeysButCutOfASelection) {
  newWindow();
  showActive(*window);
  QLineEdit& box = control<QLineEdit>("txtSource");
  box.setFocus();
  box.setText("C:\\Keep\\Me.vbp");
  box.selectAll();
  QTest::keyClick(&box, Qt::Key_J, Qt::ControlModifier);
  EXPECT_EQ(errors.dialogs().fileRequests().size(), 1u);
  box.setSelection(0, 3);
  QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(box.text(), "Keep\\Me.vbp");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "C:\\");
  box.deselect();
  QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(box.text(), "Keep\\Me.vbp");
  EXPECT_EQ(store.value("txtSource"), "Keep\\Me.vbp");
}

TEST_F(FrmScopsterCommandsTest, EnterPressesTheFocusedButtonAndNothingElse) {
  newWindow();
  showActive(*window);
  auto& button = control<QPushButton>("cmdAnalyse");
  QSignalSpy clicks(&button, &QPushButton::clicked);
  QWidget& box = control<QLineEdit>("txtSource");
  box.setFocus();
  QTest::keyClick(&box, Qt::Key_Return);
  EXPECT_EQ(clicks.count(), 0);
  button.setFocus();
  QTest::keyClick(&button, Qt::Key_Return);
  EXPECT_EQ(clicks.count(), 1);
  QTest::keyClick(&button, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(clicks.count(), 2);
}

TEST_F(FrmScopsterCommandsTest, CtrlCAndTheListsContextMenuCopyTheSelectedLineOrAll) {
  newWindow();
  showActive(*window);
  for (const char* line : {"C:\\P.vbp", "    C:\\a.bas", "        Public X As Long", "        Unused", ""})
    addListLine(line);
  QListWidget& results = list();
  results.setFocus();
  const auto copied = [] { return QGuiApplication::clipboard()->text().toStdString(); };
  const auto contextItem = [&](const char* name) {
    EXPECT_EQ(results.contextMenuPolicy(), Qt::ActionsContextMenu);
    for (QAction* item : results.actions())
      if (item->objectName() == name) return item;
    throw std::runtime_error(std::string("no context item ") + name);
  };

  results.setCurrentRow(2);
  QTest::keyClick(&results, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(copied(), "        Public X As Long");
  results.setCurrentRow(1);
  contextItem("listCopy")->trigger();
  EXPECT_EQ(copied(), "    C:\\a.bas");
  contextItem("listCopyAll")->trigger();
  EXPECT_EQ(copied(), "C:\\P.vbp\n    C:\\a.bas\n        Public X As Long\n        Unused\n\n");
  results.clearSelection();
  contextItem("listCopy")->trigger();
  EXPECT_EQ(copied(), "");

  // Shift+F10 opens the same menu, as the Menu key does.
  QStringList offered;
  QTimer::singleShot(0, [&offered] {
    QWidget* popup = QApplication::activePopupWidget();
    if (popup == nullptr) return;
    for (const QAction* item : popup->actions()) offered.push_back(item->text());
    popup->close();
  });
  QTest::keyClick(&results, Qt::Key_F10, Qt::ShiftModifier);
  EXPECT_EQ(offered, (QStringList{"&Copy", "Copy &All"}));
  EXPECT_EQ(errors.boxCount(), 0u);
}

}  // namespace
