#include "themes/picture_slots.h"

PictureSlots pictureSlots;
