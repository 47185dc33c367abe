#pragma once

#include "ui/cwnd.h"

// Control object of a static text or picture.
class CStatic : public CWnd
{
};
