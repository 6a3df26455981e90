#include "core/Model.h"
#include "core/Aspects.h"
#include "core/Dependent.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

namespace {

// Writes every call it receives into a shared log, and runs an optional action on update(aspect).
class Recorder : public Dependent {
public:
    Recorder(std::string name, std::vector<std::string>& log) : m_name(std::move(name)), m_log(log) {}
    ~Recorder() override { setModel(nullptr); }

    void update() override { m_log.push_back(m_name + ":update"); }
    void update(const Aspect* aspect) override
    {
        m_log.push_back(m_name + ":" + aspect->name());
        // A copy, since the action may replace itself while it runs.
        if (std::function<void()> action = onUpdate)
            action();
    }
    void afterModelReleased() override { m_log.push_back(m_name + ":released"); }

    std::function<void()> onUpdate;

private:
    std::string m_name;
    std::vector<std::string>& m_log;
};

class CountingModel : public Model {
public:
    void lastDependentRemoved() override { ++lastRemovedCount; }
    int lastRemovedCount = 0;
};

TEST(AspectTest, IdentityIsTheSymbolNotTheName)
{
    static constexpr Aspect lookalike("PointModel::xvalue");
    EXPECT_STREQ(lookalike.name(), aspects::PointModel::xvalue.name());
    EXPECT_NE(&lookalike, &aspects::PointModel::xvalue);
    EXPECT_NE(&aspects::PointModel::xvalue, &aspects::PointModel::yvalue);
    EXPECT_STREQ(aspects::AnimationParam::Aspect::interval.name(), "AnimationParam::Aspect::interval");
}

TEST(ModelTest, DependentsListHasNoDuplicatesAndNoNulls)
{
    std::vector<std::string> log;
    CountingModel model;
    Recorder a("a", log);
    EXPECT_EQ(model.addDependent(nullptr), 0u);
    EXPECT_EQ(model.addDependent(&a), 1u);
    EXPECT_EQ(model.addDependent(&a), 0u) << "a second add answers the existing index";
    EXPECT_EQ(model.dependentCount(), 1u);

    model.removeDependent(nullptr);
    EXPECT_EQ(model.dependentCount(), 1u);
    model.removeDependent(&a);
    EXPECT_EQ(model.dependentCount(), 0u);
    EXPECT_EQ(model.lastRemovedCount, 1);
}

TEST(ModelTest, RemovingAStrangerKeepsTheListAndTheHookQuiet)
{
    std::vector<std::string> log;
    CountingModel model;
    Recorder member("member", log), stranger("stranger", log);
    model.addDependent(&member);
    model.removeDependent(&stranger);
    EXPECT_EQ(model.dependentCount(), 1u);
    EXPECT_EQ(model.lastRemovedCount, 0);
    model.removeDependent(&member);
    EXPECT_EQ(model.lastRemovedCount, 1);
    model.removeDependent(&stranger);
    EXPECT_EQ(model.lastRemovedCount, 2) << "an empty list runs the hook again";
}

TEST(GrowableArrayTest, GrowsByAThirdPlusFourAndRemovesBySwappingTheLastIn)
{
    GrowableArray<int> array;
    std::vector<uint32_t> capacities;
    for (int i = 0; i < 26; ++i) {
        array.append(i);
        if (capacities.empty() || capacities.back() != array.capacity())
            capacities.push_back(array.capacity());
    }
    EXPECT_EQ(capacities, (std::vector<uint32_t>{4, 9, 16, 25, 37}));
    array.removeAt(1);
    EXPECT_EQ(array[1], 25);
    EXPECT_EQ(array.count(), 25u);
    EXPECT_EQ(array.indexOf(1), array.count());
}

TEST(ModelTest, SetModelMovesTheDependentAndRereads)
{
    std::vector<std::string> log;
    Model first, second;
    Recorder r("r", log);
    r.setModel(&first);
    r.setModel(&first);
    EXPECT_EQ(log, std::vector<std::string>{"r:update"}) << "setting the same model again re-reads nothing";
    r.setModel(&second);
    EXPECT_EQ(first.dependentCount(), 0u);
    EXPECT_EQ(second.dependentCount(), 1u);
    EXPECT_EQ(r.model(), &second);
}

TEST(ModelTest, DestroyingTheModelReleasesItsDependents)
{
    std::vector<std::string> log;
    auto model = std::make_unique<Model>();
    auto r = std::make_unique<Recorder>("r", log);
    r->setModel(model.get());
    log.clear();
    model.reset();
    EXPECT_EQ(log, std::vector<std::string>{"r:released"});
    EXPECT_EQ(r->model(), nullptr);
    r.reset(); // must not touch the destroyed model (the sanitizer build would catch it)
}

// Whether interfaceFor<Interface> takes aspect: an aspect can be asked only for the interface it names.
template <class AspectType, class Interface>
concept NamesInterface = requires(Model* model, const AspectType* aspect)
{
    interfaceFor<Interface>(model, aspect);
};

static_assert(NamesInterface<decltype(aspects::BitmapDocument::access), BitmapDocument>);
static_assert(NamesInterface<decltype(aspects::PointModel::xvalue), IntInterface>);
static_assert(!NamesInterface<decltype(aspects::BitmapDocument::access), ImagePlug>, "another interface");
static_assert(!NamesInterface<decltype(aspects::BitmapPalette::access), PaletteModel>, "not even a base of it");
static_assert(!NamesInterface<decltype(aspects::Tilvaner::tool), BitmapDocument>, "a notification names none");
static_assert(std::is_same_v<decltype(interfaceFor(nullptr, &aspects::Pen::tone)), ToneBytes*>,
              "without a template argument the aspect gives the type");

TEST(ModelTest, ValueForAnUnknownAspectIsNothing)
{
    Model model;
    EXPECT_EQ(model.valueFor(&aspects::BitmapDocument::access), nullptr);
    EXPECT_EQ(interfaceFor(nullptr, &aspects::IntValue::access), nullptr);
}

// The notification order: the count is read again at every step, no copy is made, re-entry is allowed.
TEST(NotificationTest, ADependentAddedDuringAPassIsCalledInIt)
{
    std::vector<std::string> log;
    Model model;
    Recorder a("a", log), late("late", log);
    a.setModel(&model);
    a.onUpdate = [&] {
        a.onUpdate = nullptr;
        model.addDependent(&late);
    };
    log.clear();
    model.changed(&aspects::Window::active);
    EXPECT_EQ(log, (std::vector<std::string>{"a:Window::active", "late:Window::active"}));
    model.removeDependent(&late);
}

TEST(NotificationTest, RemovalDuringAPassSkipsTheEntrySwappedDown)
{
    std::vector<std::string> log;
    Model model;
    Recorder a("a", log), b("b", log), c("c", log);
    for (Recorder* r : {&a, &b, &c})
        r->setModel(&model);
    a.onUpdate = [&] { model.removeDependent(&a); }; // c moves into slot 0, which the pass has passed
    log.clear();
    model.changed(&aspects::Window::active);
    EXPECT_EQ(log, (std::vector<std::string>{"a:Window::active", "b:Window::active"}));
    a.onUpdate = nullptr;
}

TEST(NotificationTest, AChangeInsideUpdateRunsANestedPassAtOnce)
{
    std::vector<std::string> log;
    Model model;
    Recorder a("a", log), b("b", log);
    a.setModel(&model);
    b.setModel(&model);
    a.onUpdate = [&] {
        a.onUpdate = nullptr;
        model.changed(&aspects::Window::menuEx);
    };
    log.clear();
    model.changed(&aspects::Window::active);
    EXPECT_EQ(log, (std::vector<std::string>{"a:Window::active", "a:Window::menuEx", "b:Window::menuEx",
                                             "b:Window::active"}));
}

} // namespace
