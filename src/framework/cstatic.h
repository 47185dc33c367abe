#pragma once

#include "framework/cwnd.h"

// Control object of a static text or picture.
class CStatic : public CWnd
{
};
