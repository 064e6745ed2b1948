#include "tests/GuiTestSupport.h"
#include "app/Edit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <malloc.h>

namespace {

// Bytes of heap the process has in use, large blocks (mapped on their own) included.
long long HeapInUse()
{
    const auto heap = mallinfo2();
    return static_cast<long long>(heap.uordblks + heap.hblkhd);
}

} // namespace

// Each long paste used to stay in the field's undo history for good, a megabyte a time;
// now the field holds a bounded amount however often the user pastes, and ordinary
// typing is still undone.
TEST(Edit, PastingLongTextsAgainAndAgainHoldsBoundedMemoryAndTypingStaysUndoable)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator keeps books of its own";
#endif
    QWidget window;
    auto* edit = new TEdit(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    edit->setFocus();
    QGuiApplication::clipboard()->setText(QString(50000, '7'));
    const auto pasteOver = [&] {
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCoreApplication::processEvents();
    };
    pasteOver(); // what the first paste sets up once (the clipboard's text, the field's)
    const long long before = HeapInUse();
    for (int i = 0; i < 20; ++i)
        pasteOver();
    EXPECT_LT(HeapInUse() - before, 256 * 1024);
    EXPECT_EQ(edit->text(), QString(TEdit::MaxLength, '7'));

    edit->setText("22");
    edit->end(false);
    QTest::keyClicks(edit, "0,5");
    EXPECT_EQ(edit->text(), "220,5");
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "22");
}
