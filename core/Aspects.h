#pragma once

#include "core/Aspect.h"

// Every aspect of the program, one global symbol each, grouped in namespaces named after the class
// that sends or answers it: aspects::PointModel::xvalue is the x aspect of PointModel.
namespace aspects {

// core
namespace Model { extern const ::Aspect menu; }
namespace Model { extern const ::Aspect menuEx; }
namespace IntValue { extern const ::Aspect access; }
namespace StringValue { extern const ::Aspect access; }
namespace PointValue { extern const ::Aspect access; }
namespace PointModel { extern const ::Aspect xvalue; }
namespace PointModel { extern const ::Aspect yvalue; }
namespace ColorValue { extern const ::Aspect access; }

// document
namespace BitmapDocument { extern const ::Aspect access; }
namespace BitmapDocument { extern const ::Aspect drawingColor; }
namespace BitmapDocument { extern const ::Aspect drawingTone; }
namespace BitmapPalette { extern const ::Aspect access; }
namespace BitmapSelectionPlug { extern const ::Aspect access; }
namespace FilingObject { extern const ::Aspect access; }

// views
namespace BitmapView { extern const ::Aspect access; }
namespace BitmapView { namespace Mesh { extern const ::Aspect access; }}
namespace BitmapView { extern const ::Aspect changeCenter; }
namespace BitmapSubView { extern const ::Aspect access; }
namespace EditView { extern const ::Aspect access; }
namespace EditView { extern const ::Aspect colorPicker; }

// tools and panels
namespace ToolBox { extern const ::Aspect unitSelection; }
namespace ToolBox { extern const ::Aspect toolSelection; }
namespace Tilvaner { extern const ::Aspect unit; }
namespace Tilvaner { extern const ::Aspect tool; }
namespace PenPalette { extern const ::Aspect matrixSelection; }
namespace PenPalette { extern const ::Aspect paletteSelection; }
namespace PenPalette { extern const ::Aspect colorSelection; }
namespace Pen { extern const ::Aspect tone; }
namespace InformationPlug { extern const ::Aspect access; }
namespace ToggleButtonsPlug { extern const ::Aspect access; }

// colour and palette
namespace ResultColors { extern const ::Aspect access; }
namespace ResultColors { extern const ::Aspect result1st; }
namespace ResultColors { extern const ::Aspect result2nd; }
namespace ColorSelectionModel { extern const ::Aspect colorSelection; }
namespace ColorSelectionModel { extern const ::Aspect paletteSelection; }
namespace ColorSelectionModel { extern const ::Aspect columnSelection; }
namespace ColorSelectionModel { extern const ::Aspect dragger; }
namespace PaletteModel { extern const ::Aspect access; }
namespace PaletteEdit { namespace Aspect { extern const ::Aspect currentColor; }}
namespace PaletteEdit { namespace Aspect { extern const ::Aspect red; }}
namespace PaletteEdit { namespace Aspect { extern const ::Aspect green; }}
namespace PaletteEdit { namespace Aspect { extern const ::Aspect blue; }}
namespace PaletteEdit { namespace Aspect { extern const ::Aspect colors; }}
namespace ColorModulator { namespace Aspect { extern const ::Aspect hue; }}
namespace ColorModulator { namespace Aspect { extern const ::Aspect saturation; }}
namespace ColorModulator { namespace Aspect { extern const ::Aspect value; }}

// animation
namespace Animation { extern const ::Aspect access; }
namespace Animation { namespace Aspect { extern const ::Aspect frame; }}
namespace Animation { namespace Aspect { extern const ::Aspect wait; }}
namespace Animation { namespace Aspect { extern const ::Aspect waitControl; }}
namespace Animation { namespace Aspect { extern const ::Aspect control; }}
namespace AnimationParam { extern const ::Aspect access; }
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
namespace Visual { namespace Component { extern const ::Aspect waitingController; }}
namespace Visual { namespace Component { extern const ::Aspect focusedController; }}
namespace Visual { namespace Component { extern const ::Aspect scrollerRange; }}
namespace Visual { namespace Component { extern const ::Aspect hrzScroller; }}
namespace Visual { namespace Component { extern const ::Aspect verScroller; }}
namespace WindowGC { extern const ::Aspect access; }
namespace MemoryGC { extern const ::Aspect access; }
namespace Window { extern const ::Aspect access; }
namespace Window { extern const ::Aspect menuEx; }
namespace Window { extern const ::Aspect active; }
namespace ImageView { namespace Plug { extern const ::Aspect access; }}
namespace WorkSpace { extern const ::Aspect activate; }
namespace WorkSpace { extern const ::Aspect changeCurrent; }
namespace ScheduledWindow { namespace Plug { extern const ::Aspect access; }}
namespace ScheduledWindow { extern const ::Aspect className; }
namespace ScheduledWindow { extern const ::Aspect access; }
namespace MDIWorkSpace { extern const ::Aspect access; }
namespace DropFiles { namespace Plug { extern const ::Aspect access; }}
} // namespace aspects
