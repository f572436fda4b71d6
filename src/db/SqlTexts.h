#pragma once
// Every SQL text the program sends, in one place. The views, the report and
// the editing operations use these constants (and Procedures for the calls and the single-row
// edits); nobody else writes SQL.
//
// Parameters are bound by name with QSqlQuery::bindValue; Qt matches the name
// exactly as written here, so bind with the Param* constants below.

namespace SqlTexts {

// ---- Parameter names -------------------------------------------------------
inline constexpr char ParamIdDev[] = ":IDdev"; // integer, the device row's IDDEV
// integer: a species row key (IDG); in OneObjectRow an object key (IDOB_0)
inline constexpr char ParamIdObj[] = ":IDobj";

// ---- Views ---------------------------------------------------------------
// The object view; both texts begin with a space, as the program always sent them.
inline constexpr char ObjectView[] = " select * from V_OBIEKTY where IDDEV = :IDdev";
// Sorted: ObjectViewSortedHead + clause + ObjectViewSortedTail.
inline constexpr char ObjectViewSortedHead[] =
    " select * from V_OBIEKTY where IDDEV = :IDdev order by ";
inline constexpr char ObjectViewSortedTail[] = ", IDOB";

inline constexpr char ResultView[] = "select * from WYNIKI where IDOB = :IDobj";
// Sorted: ResultViewSortedHead + clause.
inline constexpr char ResultViewSortedHead[] = "select * from WYNIKI where IDOB = :IDobj order by ";

// ---- Report, three lines each ---------------------------------------------
inline constexpr char ReportObjects[] = "select * from V_OBIEKTY \n"
                                        "where IDDEV = :IDdev and REZI2 = 1\n"
                                        "order by REZI1, NAZWA_LONG";
inline constexpr char ReportResults[] = "select * from WYNIKI \n"
                                        "where IDOB = :IDobj and REZI1 = 1\n"
                                        "order by DATACZAS";

// ---- "Delete marked records": the keys of the ticked results of one species row ----
inline constexpr char TickedResultKeys[] =
    "select IDWYN from WYNIKI where IDOB = :IDobj and REZI1 >= 1";

// ---- Editing queries (marking, deleting, renaming): one row by key -------------------
inline constexpr char OneSpeciesRow[] = "select * from GATUNKI where IDG = :IDobj";
inline constexpr char OneObjectRow[] = "select * from OBIEKTY where IDOB = :IDobj";

// ---- Whole tables, opened at start-up -------------------------------------
inline constexpr char ConfigurationTable[] = "select * from KONFIGURACJA order by IDD";
inline constexpr char DevicesTable[] = "select * from VRZDEVICES order by IDDEV";

// ---- Single-row changes by key (the data layer's generated updates) --------
// Each changes only the column the operation sets. Positional parameters:
// the new value first, then the key.
inline constexpr char TickObjectLine[] = "update GATUNKI set REZI2 = ? where IDG = ?";
inline constexpr char TickResult[] = "update WYNIKI set REZI1 = ? where IDWYN = ?";
inline constexpr char DeleteResult[] = "delete from WYNIKI where IDWYN = ?";
inline constexpr char DeleteObjectLine[] = "delete from GATUNKI where IDG = ?";
inline constexpr char RenameSupplier[] = "update OBIEKTY set OPIS = ? where IDOB = ?";
inline constexpr char StoreLanguage[] = "update KONFIGURACJA set LANG = ? where IDD = ?";

// ---- Stored procedures: inputs by position, outputs by position ------------
inline constexpr char P_UPDATEOBIEKT_TEMP[] = "execute procedure P_UPDATEOBIEKT_TEMP(?, ?, ?)";
inline constexpr char P_UPDATEGATUNEK[] = "execute procedure P_UPDATEGATUNEK(?, ?, ?)";
inline constexpr char P_WYNIKI_UI[] = "execute procedure P_WYNIKI_UI(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
inline constexpr char P_SELECT_WYNIKI[] = "execute procedure P_SELECT_WYNIKI(?, ?)";
inline constexpr char P_SELECTDATES[] = "execute procedure P_SELECTDATES(?, ?)";
inline constexpr char P_SELECT_OBJECTS[] = "execute procedure P_SELECT_OBJECTS(?, ?)";

// ---- Savepoints of a measurement batch --------------------------------------
inline constexpr char SavepointRecord[] = "savepoint ZQM_RECORD";
inline constexpr char ReleaseRecord[] = "release savepoint ZQM_RECORD only";
inline constexpr char RollbackRecord[] = "rollback to savepoint ZQM_RECORD";

} // namespace SqlTexts
