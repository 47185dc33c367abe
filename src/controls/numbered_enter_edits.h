#pragma once

#include "controls/coloured_enter_edit.h"

// The nineteen numbered Enter-reporting fields: one implementation (ColouredEnterEdit), one class
// per number so that each field has its own type and message name.
// clang-format off
class CEnterEdit1 final : public ColouredEnterEdit { public: CEnterEdit1() : ColouredEnterEdit(1) {} };
class CEnterEdit2 final : public ColouredEnterEdit { public: CEnterEdit2() : ColouredEnterEdit(2) {} };
class CEnterEdit3 final : public ColouredEnterEdit { public: CEnterEdit3() : ColouredEnterEdit(3) {} };
class CEnterEdit4 final : public ColouredEnterEdit { public: CEnterEdit4() : ColouredEnterEdit(4) {} };
class CEnterEdit5 final : public ColouredEnterEdit { public: CEnterEdit5() : ColouredEnterEdit(5) {} };
class CEnterEdit6 final : public ColouredEnterEdit { public: CEnterEdit6() : ColouredEnterEdit(6) {} };
class CEnterEdit7 final : public ColouredEnterEdit { public: CEnterEdit7() : ColouredEnterEdit(7) {} };
class CEnterEdit8 final : public ColouredEnterEdit { public: CEnterEdit8() : ColouredEnterEdit(8) {} };
class CEnterEdit9 final : public ColouredEnterEdit { public: CEnterEdit9() : ColouredEnterEdit(9) {} };
class CEnterEdit10 final : public ColouredEnterEdit { public: CEnterEdit10() : ColouredEnterEdit(10) {} };
class CEnterEdit11 final : public ColouredEnterEdit { public: CEnterEdit11() : ColouredEnterEdit(11) {} };
class CEnterEdit12 final : public ColouredEnterEdit { public: CEnterEdit12() : ColouredEnterEdit(12) {} };
class CEnterEdit13 final : public ColouredEnterEdit { public: CEnterEdit13() : ColouredEnterEdit(13) {} };
class CEnterEdit14 final : public ColouredEnterEdit { public: CEnterEdit14() : ColouredEnterEdit(14) {} };
class CEnterEdit15 final : public ColouredEnterEdit { public: CEnterEdit15() : ColouredEnterEdit(15) {} };
class CEnterEdit16 final : public ColouredEnterEdit { public: CEnterEdit16() : ColouredEnterEdit(16) {} };
class CEnterEdit17 final : public ColouredEnterEdit { public: CEnterEdit17() : ColouredEnterEdit(17) {} };
class CEnterEdit18 final : public ColouredEnterEdit { public: CEnterEdit18() : ColouredEnterEdit(18) {} };
class CEnterEdit19 final : public ColouredEnterEdit { public: CEnterEdit19() : ColouredEnterEdit(19) {} };
// clang-format on
