#include "framework/Dialog.h"
#include "base/ErrorFrame.h"
#include "core/Aspects.h"
#include "core/IntValue.h"
#include "core/PointModel.h"
#include "framework/Application.h"
#include "framework/ColorSwatch.h"
#include "framework/Component.h"
#include "framework/EditField.h"
#include "framework/GraphicsContext.h"
#include "framework/PropertySheet.h"
#include "framework/RadioGroup.h"
#include "framework/ScriptedColorChooser.h"
#include "framework/ScriptedDialogs.h"
#include "framework/SyntheticInput.h"
#include "resources/Accelerators.h"
#include "resources/VirtualKey.h"
#include "tests/framework/DialogControls.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

const DialogTemplate sizeDialog{"TEST_DIALOG",
                                "大きさ",
                                160,
                                90,
                                {
                                    {ControlKind::StaticText, staticControlId, "幅と高さ：", 8, 10, 50, 8},
                                    {ControlKind::Edit, 10, "", 60, 8, 30, 12},
                                    {ControlKind::Edit, 11, "", 100, 8, 30, 12},
                                    {ControlKind::Edit, 12, "", 60, 24, 30, 12},
                                    {ControlKind::UpDown, 13, "", 90, 24, 10, 12},
                                    {ControlKind::RadioButton, 20, "一", 8, 40, 30, 12, true},
                                    {ControlKind::RadioButton, 21, "二", 40, 40, 30, 12},
                                    {ControlKind::RadioButton, 22, "甲", 80, 40, 30, 12, true},
                                    {ControlKind::RadioButton, 23, "乙", 112, 40, 30, 12},
                                    {ControlKind::ColorSwatch, 30, "", 8, 56, 24, 14},
                                    {ControlKind::DefaultPushButton, okButtonId, "OK", 50, 72, 50, 14},
                                    {ControlKind::PushButton, cancelButtonId, "キャンセル", 104, 72, 50, 14},
                                }};

class ColorModel : public Model, public ColorInterface {
public:
    ColorRef value() const override { return m_value; }
    void setValue(ColorRef c) override { m_value = c; }
    void* valueFor(const Aspect* aspect) override
    {
        return aspect == &aspects::ColorValue::access ? offer<ColorInterface>(this) : Model::valueFor(aspect);
    }

private:
    ColorRef m_value = rgb(10, 20, 30);
};

// The dialog binds a size (4..999 each), a hexadecimal index with an up-down, a choice and a colour;
// each test's step types and presses inside its modal loop.
class DialogTest : public testing::Test {
protected:
    DialogTest()
    {
        testApplication();
        size.setPoint({16, 32});
    }

    // Binds the dialog's controls the way a dialog of the program would.
    void bind(Dialog& dialog)
    {
        DialogPage& page = dialog.page();
        page.bind<EditField>(10, size, &aspects::PointModel::xvalue, NumericField{10, 4, 999, 10});
        page.bind<EditField>(11, size, &aspects::PointModel::yvalue, NumericField{11, 4, 999, 10});
        EditField& hex = page.bind<EditField>(12, index, &aspects::IntValue::access, NumericField{12, 0, 255, 16});
        hex.attachUpDown(*page.control(13));
        page.adopt(std::make_unique<RadioGroup>(std::vector{page.control(20), page.control(21)}, choice,
                                                &aspects::IntValue::access));
        page.bind<ColorSwatch>(30, colour);
    }

    int run(ScriptedDialogs::Step step)
    {
        ScriptedDialogs script;
        script.answerNext(std::move(step));
        Dialog dialog(sizeDialog);
        bind(dialog);
        return dialog.runModal();
    }

    PointModel size;
    IntValue index{0x2a};
    IntValue choice{1};
    ColorModel colour;
};

TEST_F(DialogTest, ControlsAreBuiltFromTheTemplateAndShowTheirModels)
{
    int result = run([](ModalDialog& d) {
        EXPECT_TRUE(d.isOpen());
        EXPECT_EQ(control(d, 10).text(), "16");
        EXPECT_EQ(control(d, 11).text(), "32");
        EXPECT_EQ(control(d, 12).text(), "2A") << "a hexadecimal field shows hexadecimal";
        EXPECT_EQ(control(d, 30).color(), rgb(10, 20, 30));
        EXPECT_FALSE(control(d, 20).isChecked());
        EXPECT_TRUE(control(d, 21).isChecked());
        EXPECT_EQ(control(d, cancelButtonId).text(), "キャンセル");
        EXPECT_EQ(d.page(0).control(99), nullptr);

        // Each flagged radio button starts a group of its own.
        control(d, 22).click();
        control(d, 20).click();
        EXPECT_TRUE(control(d, 20).isChecked());
        EXPECT_FALSE(control(d, 21).isChecked());
        EXPECT_TRUE(control(d, 22).isChecked());
        d.press(cancelButtonId);
    });
    EXPECT_EQ(result, cancelButtonId);
}

TEST_F(DialogTest, OpeningFocusesTheFirstFieldWithItsWholeTextSelected)
{
    run([](ModalDialog& d) {
        ASSERT_NE(d.focusedControl(), nullptr);
        EXPECT_EQ(d.focusedControl()->id(), 10);
        EXPECT_EQ(control(d, 10).selectedText(), "16");
    });
}

TEST_F(DialogTest, OkWritesEveryControlThroughItsAdaptor)
{
    ScriptedColorChooser chooser;
    chooser.answerNext(rgb(1, 2, 3));
    int result = run([](ModalDialog& d) {
        control(d, 10).setText("640");
        control(d, 11).setText("4");
        control(d, 12).setText("ff");
        control(d, 20).click();
        control(d, 30).click();
        d.press(okButtonId);
        EXPECT_FALSE(d.isOpen());
    });
    EXPECT_EQ(result, okButtonId);
    EXPECT_EQ(size.point(), (Point{640, 4}));
    EXPECT_EQ(index.value(), 255);
    EXPECT_EQ(choice.value(), 0);
    EXPECT_EQ(colour.value(), rgb(1, 2, 3));
    EXPECT_EQ(chooser.requests(), std::vector<ColorRef>{rgb(10, 20, 30)}) << "the chooser starts at the colour shown";
}

TEST_F(DialogTest, CancelAndTheCloseBoxWriteNothing)
{
    ScriptedColorChooser chooser;
    for (bool closeBox : {false, true}) {
        chooser.answerNext(rgb(1, 2, 3));
        int result = run([closeBox](ModalDialog& d) {
            control(d, 10).setText("640");
            control(d, 12).setText("7");
            control(d, 20).click();
            control(d, 30).click();
            EXPECT_EQ(control(d, 30).color(), rgb(1, 2, 3)) << "the swatch shows the choice at once";
            if (closeBox)
                d.endModal(cancelButtonId);
            else
                d.press(cancelButtonId);
        });
        EXPECT_EQ(result, cancelButtonId);
        EXPECT_EQ(size.point(), (Point{16, 32}));
        EXPECT_EQ(index.value(), 0x2a);
        EXPECT_EQ(choice.value(), 1);
        EXPECT_EQ(colour.value(), rgb(10, 20, 30));
    }
}

TEST_F(DialogTest, TheFirstRefusingFieldKeepsTheDialogOpenAndTakesTheFocus)
{
    int result = run([](ModalDialog& d) {
        control(d, 11).setText("3");
        control(d, 12).setText("100");
        d.press(okButtonId);
        EXPECT_TRUE(d.isOpen());
        EXPECT_EQ(d.result(), -1);
        ASSERT_NE(d.focusedControl(), nullptr);
        EXPECT_EQ(d.focusedControl()->id(), 11) << "the first in template order, not the last";
        EXPECT_EQ(control(d, 11).selectedText(), "3");

        control(d, 11).setText("48");
        d.press(okButtonId);
        EXPECT_TRUE(d.isOpen()) << "256 does not fit an index";
        EXPECT_EQ(d.focusedControl()->id(), 12);
        EXPECT_EQ(control(d, 12).selectedText(), "100");
        d.press(cancelButtonId);
    });
    EXPECT_EQ(result, cancelButtonId);
    EXPECT_EQ(size.point(), (Point{16, 32})) << "a refused OK writes nothing, not even the fields that passed";
}

TEST_F(DialogTest, FieldsAcceptOnlyNumbersOfTheirRadixWithinBounds)
{
    struct Row {
        int id;
        const char* text;
        bool accepted;
    };
    const Row rows[] = {
        {10, "4", true},   {10, "999", true},  {10, "1000", false}, {10, "1a", false},
        {10, "", false},   {10, " 5", false},  {12, "0", true},     {12, "Ff", true},
        {12, "-1", false}, {12, "0x1", false}, {12, "100", false},  {12, "g", false},
    };
    for (const Row& row : rows) {
        run([&](ModalDialog& d) {
            control(d, row.id).setText(row.text);
            d.press(okButtonId);
            EXPECT_EQ(!d.isOpen(), row.accepted) << row.id << " \"" << row.text << "\"";
        });
    }
    EXPECT_EQ(index.value(), 0xff) << "the last hexadecimal text accepted";
}

TEST_F(DialogTest, AnUpDownStepsItsFieldWithinTheBoundsWithoutWriting)
{
    run([&](ModalDialog& d) {
        control(d, 13).step(+3);
        EXPECT_EQ(control(d, 12).text(), "2D");
        control(d, 12).setText("FE");
        control(d, 13).step(+5);
        EXPECT_EQ(control(d, 12).text(), "FF");
        control(d, 12).setText("x");
        control(d, 13).step(-1);
        EXPECT_EQ(control(d, 12).text(), "29") << "text that is no number steps from the value shown";
        EXPECT_EQ(index.value(), 0x2a);
        d.press(okButtonId);
    });
    EXPECT_EQ(index.value(), 0x29);
}

TEST_F(DialogTest, AFieldRefreshesOnlyForItsOwnAspect)
{
    run([&](ModalDialog& d) {
        control(d, 10).setText("50");
        size.setValueAt(1, 64);
        EXPECT_EQ(control(d, 11).text(), "64");
        EXPECT_EQ(control(d, 10).text(), "50") << "the typed width survives a change of the height";
        index.setValue(3);
        EXPECT_EQ(control(d, 12).text(), "3");
    });
}

TEST_F(DialogTest, AScriptThatLeavesTheDialogOpenOrFailsCancelsIt)
{
    EXPECT_EQ(run([](ModalDialog& d) { control(d, 10).setText("5"); }), cancelButtonId);
    EXPECT_EQ(run([](ModalDialog&) { raiseError(errorWriteFailed); }), cancelButtonId);
    EXPECT_EQ(size.point(), (Point{16, 32}));
}

const DialogTemplate firstPage{"TEST_FIRST_PAGE", "一", 100, 60, {{ControlKind::Edit, 100, "", 8, 8, 40, 12}}};
const DialogTemplate secondPage{"TEST_SECOND_PAGE", "二", 100, 60, {{ControlKind::Edit, 100, "", 8, 8, 40, 12}}};

TEST_F(DialogTest, APropertySheetValidatesEveryPageAndShowsTheOneThatRefuses)
{
    IntValue first{5};
    IntValue second{6};
    ScriptedDialogs script;
    script.answerNext([](ModalDialog& d) {
        EXPECT_EQ(d.pageCount(), 2);
        EXPECT_EQ(d.currentPage(), 0);
        control(d, 100, 0).setText("7");
        control(d, 100, 1).setText("");
        d.press(okButtonId);
        EXPECT_TRUE(d.isOpen());
        EXPECT_EQ(d.currentPage(), 1);
        EXPECT_EQ(d.focusedControl(), &control(d, 100, 1));
        control(d, 100, 1).setText("8");
        d.press(okButtonId);
    });
    PropertySheet sheet("設定");
    sheet.addPage(firstPage).bind<EditField>(100, first, &aspects::IntValue::access, NumericField{100, 0, 9, 10});
    sheet.addPage(secondPage).bind<EditField>(100, second, &aspects::IntValue::access, NumericField{100, 0, 9, 10});
    EXPECT_EQ(sheet.runModal(), okButtonId);
    EXPECT_EQ(first.value(), 7);
    EXPECT_EQ(second.value(), 8);
}

// A program-drawn area: one colour, and the presses, wheel turns and keys it hears.
class Patch : public Visual::Component, public Visual::MouseController, public Visual::KeyController {
public:
    Patch(QWidget* container, ColorRef color) : Component(container), m_color(color) {}
    void* valueFor(const Aspect* aspect) override
    {
        if (aspect == &aspects::Visual::Component::waitingController)
            return offer<Visual::MouseController>(this);
        if (aspect == &aspects::Visual::Component::focusedController)
            return offer<Visual::KeyController>(this);
        return Component::valueFor(aspect);
    }
    void mouseEvent(const Visual::MouseEvent& event) override
    {
        if (event.kind == Visual::MouseEvent::leftDown)
            presses.push_back(event.at);
        wheels += event.kind == Visual::MouseEvent::wheel;
    }
    void keyEvent(const Visual::KeyEvent& event) override { keys += event.kind == Visual::KeyEvent::down; }
    std::vector<Point> presses;
    int wheels = 0;
    int keys = 0;

protected:
    void paint(GraphicsContext& gc, const Rect& clip) override { gc.fillRect(clip, m_color); }

private:
    ColorRef m_color;
};

const DialogTemplate patchDialog{"TEST_PATCH_DIALOG",
                                 "色",
                                 120,
                                 60,
                                 {
                                     {ControlKind::Component, 40, "", 8, 8, 60, 20},
                                     {ControlKind::DefaultPushButton, okButtonId, "OK", 8, 40, 50, 14},
                                 }};

TEST_F(DialogTest, AComponentControlDrawsAndTakesThePointerInItsPlace)
{
    ScriptedDialogs script;
    Dialog dialog(patchDialog);
    Patch& patch = dialog.control(40)->host<Patch>(rgb(200, 10, 10));
    EXPECT_EQ(dialog.control(40)->component(), &patch) << "found by id like any control";
    EXPECT_EQ(dialog.control(okButtonId)->component(), nullptr);
    script.answerNext([&](ModalDialog& d) {
        // It fills the template's rectangle: half the dialog's width, a third of its height.
        Point size = patch.size();
        EXPECT_NEAR(size.x, d.page(0).pixelWidth() / 2.0, 1.5);
        EXPECT_NEAR(size.y, d.page(0).pixelHeight() / 3.0, 1.5);
        EXPECT_TRUE(runEvents(0, [&] {
            return patch.surface().pixelAt({size.x - 1, size.y - 1}) == rgb(200, 10, 10);
        })) << "it paints as a component paints";
        syntheticInput::pressMouse(patch, {5, 6}, syntheticInput::Button::left);
        EXPECT_EQ(patch.presses, std::vector<Point>{(Point{5, 6})});
        control(d, 40).focus();
        EXPECT_TRUE(control(d, 40).isFocused()) << "the control's focus is the component's";
        d.press(okButtonId);
    });
    EXPECT_EQ(dialog.runModal(), okButtonId);
}

TEST_F(DialogTest, ARunCanLeaveOneWindowOpenToTheMouseWhileTheOthersStayBlocked)
{
    // Top-level windows of their own, as the picture's window is beside a dialog.
    auto* picture = new Patch(nullptr, rgb(0, 0, 200));
    auto* other = new Patch(nullptr, rgb(0, 200, 0));
    picture->place({0, 0, 40, 30});
    other->place({50, 0, 40, 30});
    picture->show();
    other->show();
    ScriptedDialogs script;
    Dialog dialog(patchDialog);
    Patch& inside = dialog.control(40)->host<Patch>(rgb(200, 10, 10));
    dialog.leaveOpenToMouse(picture);
    script.answerNext([&](ModalDialog& d) {
        EXPECT_TRUE(Application::isModalOpen()) << "the frame's keys and hand-overs wait";
        syntheticInput::pressMouse(*picture, {3, 4}, syntheticInput::Button::left);
        syntheticInput::releaseMouse(*picture, {3, 4}, syntheticInput::Button::left);
        syntheticInput::turnWheel(*picture, {3, 4}, {0, 120});
        syntheticInput::pressKey(*picture, 'A', 0);
        syntheticInput::pressMouse(*other, {5, 6}, syntheticInput::Button::left);
        syntheticInput::turnWheel(*other, {5, 6}, {0, 120});
        syntheticInput::pressKey(*other, 'A', 0);
        syntheticInput::pressMouse(inside, {7, 8}, syntheticInput::Button::left);
        d.press(okButtonId);
    });
    EXPECT_EQ(dialog.runModal(), okButtonId);
    EXPECT_EQ(picture->presses, std::vector<Point>{(Point{3, 4})});
    EXPECT_EQ(picture->wheels, 1);
    EXPECT_EQ(picture->keys, 0) << "the open window takes only the mouse";
    EXPECT_TRUE(other->presses.empty()) << "every other window is still blocked";
    EXPECT_EQ(other->wheels + other->keys, 0);
    EXPECT_EQ(inside.presses, std::vector<Point>{(Point{7, 8})});
    EXPECT_FALSE(Application::isModalOpen());
    syntheticInput::pressMouse(*other, {5, 6}, syntheticInput::Button::left);
    EXPECT_EQ(other->presses.size(), 1u) << "the block ends with the run";
    picture->destroy();
    other->destroy();
}

const DialogTemplate liveDialog{"TEST_LIVE_DIALOG",
                                "見本",
                                160,
                                80,
                                {
                                    {ControlKind::ComboBox, 50, "", 8, 8, 80, 12},
                                    {ControlKind::TrackBar, 51, "", 8, 24, 100, 16},
                                    {ControlKind::Edit, 52, "", 8, 44, 30, 12},
                                    {ControlKind::UpDown, 53, "", 38, 44, 10, 12},
                                    {ControlKind::DefaultPushButton, okButtonId, "OK", 100, 62, 50, 14},
                                }};

TEST_F(DialogTest, LiveControlsCallTheirHandlersForTheUsersChangesAlone)
{
    ScriptedDialogs script;
    Dialog dialog(liveDialog);
    DialogControl& combo = *dialog.control(50);
    DialogControl& track = *dialog.control(51);
    DialogControl& upDown = *dialog.control(53);
    std::string calls;
    combo.onSelected([&](int index) { calls += "pick" + std::to_string(index) + " "; });
    track.onMoved([&](int position) { calls += "move" + std::to_string(position) + " "; });
    upDown.onStep([&](int delta) { calls += "step" + std::to_string(delta) + " "; });
    upDown.onPageStep([&](int delta) { calls += "page" + std::to_string(delta) + " "; });
    combo.setItems({"赤", "緑", "青"});
    track.setRange(0, 255, 16);
    auto wheel = [&](int turn, uint8_t modifiers) { syntheticInput::turnWheel(upDown, {0, turn}, modifiers); };

    struct Row {
        const char* what;
        std::function<void()> act;
        const char* calls;
        int index;
        int position;
    };
    const Row rows[] = {
        {"set an item", [&] { combo.setCurrentIndex(2); }, "", 2, 0},
        {"pick an item", [&] { combo.select(0); }, "pick0 ", 0, 0},
        {"pick it again", [&] { combo.select(0); }, "pick0 ", 0, 0},
        {"pick beyond the items", [&] { combo.select(3); }, "", 0, 0},
        {"Down on the box", [&] { syntheticInput::pressKey(combo, keys::down, 0); }, "pick1 ", 1, 0},
        {"set none", [&] { combo.setCurrentIndex(-1); }, "", -1, 0},
        {"set beyond the range", [&] { track.setPosition(300); }, "", -1, 255},
        {"narrow the range", [&] { track.setRange(0, 100, 10); }, "", -1, 100},
        {"slide", [&] { track.slide(40); }, "move40 ", -1, 40},
        {"slide where it is", [&] { track.slide(40); }, "", -1, 40},
        {"slide below the range", [&] { track.slide(-5); }, "move0 ", -1, 0},
        {"Page Up on the bar", [&] { syntheticInput::pressKey(track, keys::pageUp, 0); }, "move10 ", -1, 10},
        {"Right on the bar", [&] { syntheticInput::pressKey(track, keys::right, 0); }, "move11 ", -1, 11},
        {"step", [&] { upDown.step(+2); }, "step1 step1 ", -1, 11},
        {"step down", [&] { upDown.step(-1); }, "step-1 ", -1, 11},
        {"page step", [&] { upDown.pageStep(+2); }, "page1 page1 ", -1, 11},
        {"page step down", [&] { upDown.pageStep(-1); }, "page-1 ", -1, 11},
        {"wheel, two notches", [&] { wheel(240, 0); }, "step1 step1 ", -1, 11},
        {"wheel with Ctrl", [&] { wheel(-120, Accelerator::control); }, "page-1 ", -1, 11},
        {"wheel with Shift", [&] { wheel(120, Accelerator::shift); }, "step1 ", -1, 11},
        {"half a notch", [&] { wheel(60, 0); }, "", -1, 11},
        {"the other half", [&] { wheel(60, 0); }, "step1 ", -1, 11},
        {"page step without a page handler",
         [&] {
             upDown.onPageStep(nullptr);
             upDown.pageStep(-1);
         },
         "step-1 ", -1, 11},
    };
    script.answerNext([&](ModalDialog& d) {
        EXPECT_EQ(d.focusedControl(), &combo) << "a combo box takes the focus as a field does";
        EXPECT_EQ(combo.itemCount(), 3);
        EXPECT_EQ(combo.itemText(1), "緑");
        EXPECT_EQ(combo.itemText(3), "");
        EXPECT_EQ(combo.currentIndex(), -1) << "new items leave none current";
        for (const Row& row : rows) {
            calls.clear();
            row.act();
            EXPECT_EQ(calls, row.calls) << row.what;
            EXPECT_EQ(combo.currentIndex(), row.index) << row.what;
            EXPECT_EQ(combo.text(), row.index < 0 ? "" : combo.itemText(row.index)) << row.what;
            EXPECT_EQ(track.position(), row.position) << row.what;
        }
    });
    dialog.runModal();
}

TEST_F(DialogTest, TheKeyHookHearsKeysBeforeTheFocusedControlAndCanEatThem)
{
    ScriptedDialogs script;
    Dialog dialog(liveDialog);
    std::vector<std::pair<uint32_t, uint8_t>> heard;
    // The hook eats the keypad's digits, as a dialog that takes them for its own commands would.
    dialog.onKey([&](uint32_t key, uint8_t modifiers) {
        heard.emplace_back(key, modifiers);
        return key >= keys::numpad(0) && key <= keys::numpad(9);
    });
    struct Row {
        uint32_t key;
        uint8_t modifiers;
        const char* text;
        uint32_t heardKey;
        uint8_t heardModifiers;
        const char* typed;
    };
    constexpr uint8_t keypad = syntheticInput::keypad;
    const Row rows[] = {
        // With Num Lock off the keypad sends Insert, End, PageUp, Up for its 0, 1, 9, 8.
        {keys::insert, keypad, "", keys::numpad(0), 0, ""},
        {keys::end, keypad, "", keys::numpad(1), 0, ""},
        {keys::pageUp, uint8_t(keypad | Accelerator::shift), "", keys::numpad(9), Accelerator::shift, ""},
        {keys::up, keypad, "", keys::numpad(8), 0, ""},
        // The keys of the same names elsewhere keep them.
        {keys::insert, 0, "", keys::insert, 0, ""},
        {keys::left, 0, "", keys::left, 0, ""},
        // With Num Lock on keypad 0 would type, but the hook eats it; the 0 above the letters types.
        {keys::numpad(0), 0, "0", keys::numpad(0), 0, ""},
        {'0', 0, "0", '0', 0, "0"},
        {'A', Accelerator::shift, "A", 'A', Accelerator::shift, "A"},
    };
    script.answerNext([&](ModalDialog& d) {
        DialogControl& edit = control(d, 52);
        edit.focus();
        for (const Row& row : rows) {
            edit.setText("");
            heard.clear();
            syntheticInput::pressKey(edit, row.key, row.modifiers, row.text);
            std::vector<std::pair<uint32_t, uint8_t>> once{{row.heardKey, row.heardModifiers}};
            EXPECT_EQ(heard, once) << "key " << row.key << " modifiers " << int(row.modifiers);
            EXPECT_EQ(edit.text(), row.typed) << "key " << row.key << " modifiers " << int(row.modifiers);
        }
        d.press(okButtonId);
    });
    Dialog other(liveDialog);
    syntheticInput::pressKey(*other.control(52), 'B', 0, "b");
    EXPECT_TRUE(heard.empty()) << "another dialog's keys are its own";
    EXPECT_EQ(other.control(52)->text(), "b");
    EXPECT_EQ(dialog.runModal(), okButtonId);
}

} // namespace
