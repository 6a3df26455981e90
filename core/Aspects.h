#pragma once

#include "core/Aspect.h"
#include "core/InterfaceAspect.h"
#include "core/ToneBytes.h"

// The interfaces that aspects name, each defined at its own level; a name is all an aspect needs.
class AnimationParam;
class BitmapDocument;
class BitmapPalette;
class BitmapSelectionPlug;
class BitmapSubView;
class BitmapView;
class ColorDragger;
class ColorInterface;
class ColorPicker;
class CommandInterface;
class EditView;
class FilingObject;
class HeaderSelectionPlug;
class ImagePlug;
class InformationPlug;
class IntInterface;
class MDIWorkSpace;
class MeshPlug;
class PaletteModel;
class PasteView;
class PointInterface;
class ScheduledWindow;
class ScheduledWindowPlug;
class SelectionInterface;
class StringInterface;
class ToggleButtonsPlug;
class Window;
namespace Visual {
class KeyController;
class MouseController;
} // namespace Visual

// Every aspect of the program, one global symbol each, grouped in namespaces named after the class
// that sends or answers it: aspects::PointModel::xvalue is the x aspect of PointModel. An aspect that
// names an interface is an InterfaceAspect of that interface; the others are notifications only.
// One line per aspect, a table to read down.
// clang-format off
namespace aspects {

// core
namespace Model { extern const ::Aspect menu; }
namespace IntValue { extern const ::InterfaceAspect<::IntInterface> access; }
namespace StringValue { extern const ::InterfaceAspect<::StringInterface> access; }
namespace PointValue { extern const ::InterfaceAspect<::PointInterface> access; }
namespace PointModel { extern const ::InterfaceAspect<::IntInterface> xvalue; }
namespace PointModel { extern const ::InterfaceAspect<::IntInterface> yvalue; }
namespace ColorValue { extern const ::InterfaceAspect<::ColorInterface> access; }

// document
namespace BitmapDocument { extern const ::InterfaceAspect<::BitmapDocument> access; }
namespace BitmapDocument { extern const ::InterfaceAspect<::BitmapDocument> drawingColor; }
namespace BitmapDocument { extern const ::InterfaceAspect<::BitmapDocument> drawingTone; }
namespace BitmapPalette { extern const ::InterfaceAspect<::BitmapPalette> access; }
namespace BitmapSelectionPlug { extern const ::InterfaceAspect<::BitmapSelectionPlug> access; }
namespace PasteView { extern const ::InterfaceAspect<::PasteView> access; }
namespace FilingObject { extern const ::InterfaceAspect<::FilingObject> access; }

// views
namespace BitmapView { extern const ::InterfaceAspect<::BitmapView> access; }
namespace BitmapView { namespace Mesh { extern const ::InterfaceAspect<::MeshPlug> access; }}
namespace BitmapView { extern const ::Aspect changeCenter; }
namespace BitmapSubView { extern const ::InterfaceAspect<::BitmapSubView> access; }
namespace EditView { extern const ::InterfaceAspect<::EditView> access; }
namespace EditView { extern const ::InterfaceAspect<::ColorPicker> colorPicker; }

// tools and panels
namespace ToolBox { extern const ::InterfaceAspect<::SelectionInterface> unitSelection; }
namespace ToolBox { extern const ::InterfaceAspect<::SelectionInterface> toolSelection; }
namespace Tilvaner { extern const ::Aspect unit; }
namespace Tilvaner { extern const ::Aspect tool; }
namespace PenPalette { extern const ::InterfaceAspect<::SelectionInterface> matrixSelection; }
namespace PenPalette { extern const ::InterfaceAspect<::SelectionInterface> paletteSelection; }
namespace PenPalette { extern const ::InterfaceAspect<::SelectionInterface> colorSelection; }
namespace Pen { extern const ::InterfaceAspect<::ToneBytes> tone; }
namespace InformationPlug { extern const ::InterfaceAspect<::InformationPlug> access; }
namespace ToggleButtonsPlug { extern const ::InterfaceAspect<::ToggleButtonsPlug> access; }

// colour and palette
namespace ResultColors { extern const ::Aspect access; }
namespace ResultColors { extern const ::Aspect result1st; }
namespace ResultColors { extern const ::Aspect result2nd; }
namespace ColorSelectionModel { extern const ::Aspect colorSelection; }
namespace ColorSelectionModel { extern const ::InterfaceAspect<::HeaderSelectionPlug> paletteSelection; }
namespace ColorSelectionModel { extern const ::InterfaceAspect<::HeaderSelectionPlug> columnSelection; }
namespace ColorSelectionModel { extern const ::InterfaceAspect<::ColorDragger> dragger; }
namespace PaletteModel { extern const ::InterfaceAspect<::PaletteModel> access; }
namespace PaletteEdit { namespace Aspect { extern const ::Aspect currentColor; }}
namespace PaletteEdit { namespace Aspect { extern const ::Aspect red; }}
namespace PaletteEdit { namespace Aspect { extern const ::Aspect green; }}
namespace PaletteEdit { namespace Aspect { extern const ::Aspect blue; }}
namespace PaletteEdit { namespace Aspect { extern const ::Aspect colors; }}
namespace ColorModulator { namespace Aspect { extern const ::Aspect hue; }}
namespace ColorModulator { namespace Aspect { extern const ::Aspect saturation; }}
namespace ColorModulator { namespace Aspect { extern const ::Aspect value; }}
namespace PaletteRotation { namespace Aspect { extern const ::Aspect animation; }}
namespace PaletteRotation { namespace Aspect { extern const ::Aspect direction; }}
namespace PaletteRotation { namespace Aspect { extern const ::Aspect interval; }}
namespace PaletteRotation { namespace Aspect { extern const ::Aspect intervalSpin; }}

// animation
namespace Animation { extern const ::Aspect access; }
namespace Animation { namespace Aspect { extern const ::Aspect frame; }}
namespace Animation { namespace Aspect { extern const ::Aspect wait; }}
namespace Animation { namespace Aspect { extern const ::Aspect waitControl; }}
namespace Animation { namespace Aspect { extern const ::Aspect control; }}
namespace AnimationParam { extern const ::InterfaceAspect<::AnimationParam> access; }
namespace AnimationParam { namespace Aspect { extern const ::Aspect size; }}
namespace AnimationParam { namespace Aspect { extern const ::Aspect range; }}
namespace AnimationParam { namespace Aspect { extern const ::Aspect scale; }}
namespace AnimationParam { namespace Aspect { extern const ::Aspect interval; }}
namespace AnimationParam { namespace Aspect { extern const ::Aspect waits; }}
namespace AnimationParam { namespace Aspect { extern const ::Aspect status; }}

// framework
namespace ListView { namespace Plug { extern const ::Aspect access; }}
namespace EditTextPlug { extern const ::Aspect access; }
namespace DropDownList { extern const ::Aspect plug; }
namespace ScrollerPlug { extern const ::Aspect access; }
namespace Panel { extern const ::Aspect access; }
namespace Visual { namespace Component { extern const ::Aspect menu; }}
namespace Visual { namespace Component { extern const ::InterfaceAspect<::Visual::MouseController> waitingController; }}
namespace Visual { namespace Component { extern const ::InterfaceAspect<::Visual::KeyController> focusedController; }}
namespace Visual { namespace Component { extern const ::Aspect scrollerRange; }}
namespace Visual { namespace Component { extern const ::Aspect hrzScroller; }}
namespace Visual { namespace Component { extern const ::Aspect verScroller; }}
namespace WindowGC { extern const ::Aspect access; }
namespace MemoryGC { extern const ::Aspect access; }
namespace Window { extern const ::InterfaceAspect<::Window> access; }
namespace Window { extern const ::InterfaceAspect<::CommandInterface> menuEx; }
namespace Window { extern const ::Aspect active; }
namespace ImageView { namespace Plug { extern const ::InterfaceAspect<::ImagePlug> access; }}
namespace WorkSpace { extern const ::Aspect activate; }
namespace WorkSpace { extern const ::Aspect changeCurrent; }
namespace ScheduledWindow { namespace Plug { extern const ::InterfaceAspect<::ScheduledWindowPlug> access; }}
namespace ScheduledWindow { extern const ::Aspect className; }
namespace ScheduledWindow { extern const ::InterfaceAspect<::ScheduledWindow> access; }
namespace MDIWorkSpace { extern const ::InterfaceAspect<::MDIWorkSpace> access; }
namespace DropFiles { namespace Plug { extern const ::Aspect access; }}
} // namespace aspects
// clang-format on
