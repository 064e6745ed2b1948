#pragma once
// The raised or lowered edge a panel may draw around itself.
enum TBevel { bvNone, bvLowered, bvRaised };
