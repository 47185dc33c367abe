#pragma once

#include "controls/coloured_enter_edit.h"

// The nineteen numbered Enter-reporting fields: one implementation (ColouredEnterEdit), one class
// per number so that each field has its own type and message name.
template <int FieldNumber> class NumberedEnterEdit : public ColouredEnterEdit
{
public:
    NumberedEnterEdit() : ColouredEnterEdit(FieldNumber) {}
};

// clang-format off
class CEnterEdit1 final : public NumberedEnterEdit<1> {};
class CEnterEdit2 final : public NumberedEnterEdit<2> {};
class CEnterEdit3 final : public NumberedEnterEdit<3> {};
class CEnterEdit4 final : public NumberedEnterEdit<4> {};
class CEnterEdit5 final : public NumberedEnterEdit<5> {};
class CEnterEdit6 final : public NumberedEnterEdit<6> {};
class CEnterEdit7 final : public NumberedEnterEdit<7> {};
class CEnterEdit8 final : public NumberedEnterEdit<8> {};
class CEnterEdit9 final : public NumberedEnterEdit<9> {};
class CEnterEdit10 final : public NumberedEnterEdit<10> {};
class CEnterEdit11 final : public NumberedEnterEdit<11> {};
class CEnterEdit12 final : public NumberedEnterEdit<12> {};
class CEnterEdit13 final : public NumberedEnterEdit<13> {};
class CEnterEdit14 final : public NumberedEnterEdit<14> {};
class CEnterEdit15 final : public NumberedEnterEdit<15> {};
class CEnterEdit16 final : public NumberedEnterEdit<16> {};
class CEnterEdit17 final : public NumberedEnterEdit<17> {};
class CEnterEdit18 final : public NumberedEnterEdit<18> {};
class CEnterEdit19 final : public NumberedEnterEdit<19> {};
// clang-format on
