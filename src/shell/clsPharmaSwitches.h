#pragma once
#include <QString>
#include <array>

namespace qx {

class Connection;

// The pharmacy switch table (keys 1 to 101 and 200 to 207) loaded once, plus two flags of the
// hospital-information tables and three flags that one site each has forced on.
class clsPharmaSwitches {
public:
    // True at site "TRAVU", else key 204.
    bool DisplayPNFInCommunicationEntry(const QString& siteCode) const;
    // Column Kelvarin of patient_data.tbHospitalInfo.
    bool IsKelvarHospital() const { return kelvarHospital_; }
    // True at site "RUQ", else the billing hospital-information column holding the text "1".
    bool ActivateCashierRegularVATDeduction(const QString& siteCode) const;
    // True at site "BOSNEV", else key 203.
    bool DisplaySupplierInCommunicationEntry(const QString& siteCode) const;
    bool EnableDailyIncomeCashSalesByDispenser() const { return flag(202); }
    void setEnableDailyIncomeCashSalesByDispenser(bool value) { flag(202) = value; }

    bool Switch1() const { return flag(1); }
    bool Switch2() const { return flag(2); }
    bool Switch3() const { return flag(3); }
    bool Switch4() const { return flag(4); }
    bool Switch5() const { return flag(5); }
    bool Switch6() const { return flag(6); }
    bool Switch7() const { return flag(7); }
    bool Switch8() const { return flag(8); }
    bool Switch9() const { return flag(9); }
    bool Switch10() const { return flag(10); }
    bool Switch11() const { return flag(11); }
    bool Switch13() const { return flag(13); }
    bool Switch14() const { return flag(14); }
    bool Switch15() const { return flag(15); }
    bool Switch16() const { return flag(16); }
    bool Switch17() const { return flag(17); }
    bool Switch18() const { return flag(18); }
    bool Switch19() const { return flag(19); }
    bool Switch20() const { return flag(20); }
    bool Switch21() const { return flag(21); }
    bool Switch22() const { return flag(22); }
    bool Switch23() const { return flag(23); }
    bool PharmacyCashStandAlone() const { return flag(24); }
    bool Switch25() const { return flag(25); }
    // Always on, whatever key 26 holds.
    bool Switch26() const { return true; }
    bool Switch27() const { return flag(27); }
    bool Switch28() const { return flag(28); }
    bool Switch29() const { return flag(29); }
    bool Switch30() const { return flag(30); }
    bool Switch31() const { return flag(31); }
    bool Switch32() const { return flag(32); }
    bool Switch33() const { return flag(33); }
    bool Switch34() const { return flag(34); }
    bool Switch35() const { return flag(35); }
    bool Switch36() const { return flag(36); }
    bool Switch37() const { return flag(37); }
    bool Switch38() const { return flag(38); }
    bool Switch39() const { return flag(39); }
    bool Switch40() const { return flag(40); }
    bool Switch41() const { return flag(41); }
    bool Switch42() const { return flag(42); }
    bool Switch43() const { return flag(43); }
    bool Switch44() const { return flag(44); }
    bool Switch45() const { return flag(45); }
    bool Switch46() const { return flag(46); }
    bool Switch47() const { return flag(47); }
    bool Switch48() const { return flag(48); }
    bool Switch49() const { return flag(49); }
    bool Switch50() const { return flag(50); }
    bool Switch51() const { return flag(51); }
    bool Switch52() const { return flag(52); }
    bool Switch53() const { return flag(53); }
    bool Switch54() const { return flag(54); }
    bool Switch55() const { return flag(55); }
    bool Switch56() const { return flag(56); }
    bool Switch57() const { return flag(57); }
    bool Switch58() const { return flag(58); }
    bool Switch59() const { return flag(59); }
    bool Switch60() const { return flag(60); }
    bool Switch61() const { return flag(61); }
    bool Switch62() const { return flag(62); }
    bool Switch63() const { return flag(63); }
    bool Switch64() const { return flag(64); }
    bool Switch65() const { return flag(65); }
    bool Switch66() const { return flag(66); }
    bool Switch67() const { return flag(67); }
    bool Switch68() const { return flag(68); }
    bool Switch69() const { return flag(69); }
    bool Switch70() const { return flag(70); }
    bool Switch71() const { return flag(71); }
    bool Switch72() const { return flag(72); }
    bool Switch73() const { return flag(73); }
    bool Switch74() const { return flag(74); }
    bool Switch75() const { return flag(75); }
    bool Switch76() const { return flag(76); }
    bool Switch77() const { return flag(77); }
    bool Switch78() const { return flag(78); }
    bool Switch79() const { return flag(79); }
    bool Switch80() const { return flag(80); }
    bool Switch81() const { return flag(81); }
    bool Switch82() const { return flag(82); }
    bool Switch83() const { return flag(83); }
    bool Switch84() const { return flag(84); }
    bool Switch85() const { return flag(85); }
    bool Switch86() const { return flag(86); }
    bool Switch87() const { return flag(87); }
    bool Switch88() const { return flag(88); }
    bool Switch89() const { return flag(89); }
    bool Switch90() const { return flag(90); }
    bool Switch91() const { return flag(91); }
    bool Switch92() const { return flag(92); }
    bool Switch93() const { return flag(93); }
    bool Switch94() const { return flag(94); }
    bool Switch95() const { return flag(95); }
    bool Switch96() const { return flag(96); }
    bool Switch97() const { return flag(97); }
    bool Switch98() const { return flag(98); }
    bool Switch99() const { return flag(99); }
    bool Switch100() const { return flag(100); }
    bool Switch101() const { return flag(101); }
    bool Switch200() const { return flag(200); }
    bool Switch201() const { return flag(201); }
    bool Switch205() const { return flag(205); }
    bool Switch206() const { return flag(206); }
    bool Switch207() const { return flag(207); }

    // Reads the pharmacy switch table and the two hospital-information flags from `con`.
    // `strClient` is the site code; it is not used. Errors reach the caller; the flags stored
    // before an error keep their values.
    void Load(Connection& con, const QString& strClient);

    // Whether `key` is one of the table-backed keys (1..101, 200..207).
    static bool isSwitchKey(int key) { return (key >= 1 && key <= 101) || (key >= 200 && key <= 207); }

private:
    static int slot(int key) { return key <= 101 ? key - 1 : 101 + (key - 200); }
    bool flag(int key) const { return flags_[slot(key)]; }
    bool& flag(int key) { return flags_[slot(key)]; }

    std::array<bool, 109> flags_{};
    bool kelvarHospital_ = false;
    bool cashierRegularVATDeduction_ = false;
};

} // namespace qx
