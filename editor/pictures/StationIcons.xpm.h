// Station icons, 32 x 32 pixels: fifteen of the symbol selector, then fifteen of the
// region-0 selector, in selector order.
#pragma once
#include "editor/pictures/icons_named.xpm.h"
#include "editor/pictures/icons_region0.xpm.h"

static const char* const* const station_icons[30] = {
    icon_named_maker,        icon_named_jogger,     icon_named_home,       icon_named_portable,
    icon_named_yacht,        icon_named_sstv,       icon_named_aircraft,   icon_named_boat,
    icon_named_car,          icon_named_motorcycle, icon_named_triangle,   icon_named_jeep,
    icon_named_rv,           icon_named_truck,      icon_named_van,        icon_region0_maker,
    icon_region0_jogger,     icon_region0_home,     icon_region0_portable, icon_region0_yacht,
    icon_region0_sstv,       icon_region0_aircraft, icon_region0_boat,     icon_region0_car,
    icon_region0_motorcycle, icon_region0_triangle, icon_region0_jeep,     icon_region0_rv,
    icon_region0_truck,      icon_region0_van};
