#pragma once
// The compare-store-notify step of every setting that others watch: a value is stored
// only when it differs from the old one, and only then is the owner told, so setting
// a value to itself repaints or notifies nothing.
template <class T, class Changed>
void StoreChanged(T& field, const T& value, Changed&& changed)
{
    if (field == value)
        return;
    field = value;
    changed();
}
