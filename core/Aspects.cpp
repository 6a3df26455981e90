#include "core/Aspects.h"

// One line per aspect, a table to read down.
// clang-format off
namespace aspects {

// core
namespace Model { constinit const ::Aspect menu("Model::menu"); }
namespace IntValue { constinit const ::InterfaceAspect<::IntInterface> access("IntValue::access"); }
namespace StringValue { constinit const ::InterfaceAspect<::StringInterface> access("StringValue::access"); }
namespace PointValue { constinit const ::InterfaceAspect<::PointInterface> access("PointValue::access"); }
namespace PointModel { constinit const ::InterfaceAspect<::IntInterface> xvalue("PointModel::xvalue"); }
namespace PointModel { constinit const ::InterfaceAspect<::IntInterface> yvalue("PointModel::yvalue"); }
namespace ColorValue { constinit const ::InterfaceAspect<::ColorInterface> access("ColorValue::access"); }

// document
namespace BitmapDocument { constinit const ::InterfaceAspect<::BitmapDocument> access("BitmapDocument::access"); }
namespace BitmapDocument { constinit const ::InterfaceAspect<::BitmapDocument> drawingColor("BitmapDocument::drawingColor"); }
namespace BitmapDocument { constinit const ::InterfaceAspect<::BitmapDocument> drawingTone("BitmapDocument::drawingTone"); }
namespace BitmapPalette { constinit const ::InterfaceAspect<::BitmapPalette> access("BitmapPalette::access"); }
namespace BitmapSelectionPlug { constinit const ::InterfaceAspect<::BitmapSelectionPlug> access("BitmapSelectionPlug::access"); }
namespace PasteView { constinit const ::InterfaceAspect<::PasteView> access("PasteView::access"); }
namespace FilingObject { constinit const ::InterfaceAspect<::FilingObject> access("FilingObject::access"); }

// views
namespace BitmapView { constinit const ::InterfaceAspect<::BitmapView> access("BitmapView::access"); }
namespace BitmapView { namespace Mesh { constinit const ::InterfaceAspect<::MeshPlug> access("BitmapView::Mesh::access"); }}
namespace BitmapView { constinit const ::Aspect changeCenter("BitmapView::changeCenter"); }
namespace BitmapSubView { constinit const ::InterfaceAspect<::BitmapSubView> access("BitmapSubView::access"); }
namespace EditView { constinit const ::InterfaceAspect<::EditView> access("EditView::access"); }
namespace EditView { constinit const ::InterfaceAspect<::ColorPicker> colorPicker("EditView::colorPicker"); }

// tools and panels
namespace ToolBox { constinit const ::InterfaceAspect<::SelectionInterface> unitSelection("ToolBox::unitSelection"); }
namespace ToolBox { constinit const ::InterfaceAspect<::SelectionInterface> toolSelection("ToolBox::toolSelection"); }
namespace Tilvaner { constinit const ::Aspect unit("Tilvaner::unit"); }
namespace Tilvaner { constinit const ::Aspect tool("Tilvaner::tool"); }
namespace PenPalette { constinit const ::InterfaceAspect<::SelectionInterface> matrixSelection("PenPalette::matrixSelection"); }
namespace PenPalette { constinit const ::InterfaceAspect<::SelectionInterface> paletteSelection("PenPalette::paletteSelection"); }
namespace PenPalette { constinit const ::InterfaceAspect<::SelectionInterface> colorSelection("PenPalette::colorSelection"); }
namespace Pen { constinit const ::InterfaceAspect<::ToneBytes> tone("Pen::tone"); }
namespace InformationPlug { constinit const ::InterfaceAspect<::InformationPlug> access("InformationPlug::access"); }
namespace ToggleButtonsPlug { constinit const ::InterfaceAspect<::ToggleButtonsPlug> access("ToggleButtonsPlug::access"); }

// colour and palette
namespace ResultColors { constinit const ::Aspect access("ResultColors::access"); }
namespace ResultColors { constinit const ::Aspect result1st("ResultColors::result1st"); }
namespace ResultColors { constinit const ::Aspect result2nd("ResultColors::result2nd"); }
namespace ColorSelectionModel { constinit const ::Aspect colorSelection("ColorSelectionModel::colorSelection"); }
namespace ColorSelectionModel { constinit const ::InterfaceAspect<::HeaderSelectionPlug> paletteSelection("ColorSelectionModel::paletteSelection"); }
namespace ColorSelectionModel { constinit const ::InterfaceAspect<::HeaderSelectionPlug> columnSelection("ColorSelectionModel::columnSelection"); }
namespace ColorSelectionModel { constinit const ::InterfaceAspect<::ColorDragger> dragger("ColorSelectionModel::dragger"); }
namespace PaletteModel { constinit const ::InterfaceAspect<::PaletteModel> access("PaletteModel::access"); }
namespace PaletteEdit { namespace Aspect { constinit const ::Aspect currentColor("PaletteEdit::Aspect::currentColor"); }}
namespace PaletteEdit { namespace Aspect { constinit const ::Aspect red("PaletteEdit::Aspect::red"); }}
namespace PaletteEdit { namespace Aspect { constinit const ::Aspect green("PaletteEdit::Aspect::green"); }}
namespace PaletteEdit { namespace Aspect { constinit const ::Aspect blue("PaletteEdit::Aspect::blue"); }}
namespace PaletteEdit { namespace Aspect { constinit const ::Aspect colors("PaletteEdit::Aspect::colors"); }}
namespace ColorModulator { namespace Aspect { constinit const ::Aspect hue("ColorModulator::Aspect::hue"); }}
namespace ColorModulator { namespace Aspect { constinit const ::Aspect saturation("ColorModulator::Aspect::saturation"); }}
namespace ColorModulator { namespace Aspect { constinit const ::Aspect value("ColorModulator::Aspect::value"); }}
namespace PaletteRotation { namespace Aspect { constinit const ::Aspect animation("PaletteRotation::Aspect::animation"); }}
namespace PaletteRotation { namespace Aspect { constinit const ::Aspect direction("PaletteRotation::Aspect::direction"); }}
namespace PaletteRotation { namespace Aspect { constinit const ::Aspect interval("PaletteRotation::Aspect::interval"); }}
namespace PaletteRotation { namespace Aspect { constinit const ::Aspect intervalSpin("PaletteRotation::Aspect::intervalSpin"); }}

// animation
namespace Animation { constinit const ::Aspect access("Animation::access"); }
namespace Animation { namespace Aspect { constinit const ::Aspect frame("Animation::Aspect::frame"); }}
namespace Animation { namespace Aspect { constinit const ::Aspect wait("Animation::Aspect::wait"); }}
namespace Animation { namespace Aspect { constinit const ::Aspect waitControl("Animation::Aspect::waitControl"); }}
namespace Animation { namespace Aspect { constinit const ::Aspect control("Animation::Aspect::control"); }}
namespace AnimationParam { constinit const ::InterfaceAspect<::AnimationParam> access("AnimationParam::access"); }
namespace AnimationParam { namespace Aspect { constinit const ::Aspect size("AnimationParam::Aspect::size"); }}
namespace AnimationParam { namespace Aspect { constinit const ::Aspect range("AnimationParam::Aspect::range"); }}
namespace AnimationParam { namespace Aspect { constinit const ::Aspect scale("AnimationParam::Aspect::scale"); }}
namespace AnimationParam { namespace Aspect { constinit const ::Aspect interval("AnimationParam::Aspect::interval"); }}
namespace AnimationParam { namespace Aspect { constinit const ::Aspect waits("AnimationParam::Aspect::waits"); }}
namespace AnimationParam { namespace Aspect { constinit const ::Aspect status("AnimationParam::Aspect::status"); }}

// framework
namespace ListView { namespace Plug { constinit const ::Aspect access("ListView::Plug::access"); }}
namespace EditTextPlug { constinit const ::Aspect access("EditTextPlug::access"); }
namespace DropDownList { constinit const ::Aspect plug("DropDownList::plug"); }
namespace ScrollerPlug { constinit const ::Aspect access("ScrollerPlug::access"); }
namespace Panel { constinit const ::Aspect access("Panel::access"); }
namespace Visual { namespace Component { constinit const ::Aspect menu("Visual::Component::menu"); }}
namespace Visual { namespace Component { constinit const ::InterfaceAspect<::Visual::MouseController> waitingController("Visual::Component::waitingController"); }}
namespace Visual { namespace Component { constinit const ::InterfaceAspect<::Visual::KeyController> focusedController("Visual::Component::focusedController"); }}
namespace Visual { namespace Component { constinit const ::Aspect scrollerRange("Visual::Component::scrollerRange"); }}
namespace Visual { namespace Component { constinit const ::Aspect hrzScroller("Visual::Component::hrzScroller"); }}
namespace Visual { namespace Component { constinit const ::Aspect verScroller("Visual::Component::verScroller"); }}
namespace WindowGC { constinit const ::Aspect access("WindowGC::access"); }
namespace MemoryGC { constinit const ::Aspect access("MemoryGC::access"); }
namespace Window { constinit const ::InterfaceAspect<::Window> access("Window::access"); }
namespace Window { constinit const ::InterfaceAspect<::CommandInterface> menuEx("Window::menuEx"); }
namespace Window { constinit const ::Aspect active("Window::active"); }
namespace ImageView { namespace Plug { constinit const ::InterfaceAspect<::ImagePlug> access("ImageView::Plug::access"); }}
namespace WorkSpace { constinit const ::Aspect activate("WorkSpace::activate"); }
namespace WorkSpace { constinit const ::Aspect changeCurrent("WorkSpace::changeCurrent"); }
namespace ScheduledWindow { namespace Plug { constinit const ::InterfaceAspect<::ScheduledWindowPlug> access("ScheduledWindow::Plug::access"); }}
namespace ScheduledWindow { constinit const ::Aspect className("ScheduledWindow::className"); }
namespace ScheduledWindow { constinit const ::InterfaceAspect<::ScheduledWindow> access("ScheduledWindow::access"); }
namespace MDIWorkSpace { constinit const ::InterfaceAspect<::MDIWorkSpace> access("MDIWorkSpace::access"); }
namespace DropFiles { namespace Plug { constinit const ::Aspect access("DropFiles::Plug::access"); }}
} // namespace aspects
// clang-format on
