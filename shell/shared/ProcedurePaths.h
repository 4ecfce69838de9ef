#pragma once

// The literal naming each trapping handler in its error report, ending with a
// blank so that "at line " follows directly.
namespace shell::ProcedurePath {

inline constexpr char Form1_Form_Load[] = "in Kinloom2016/11/03.Form1.Form_Load ";
inline constexpr char Form1_PushButton6_Click[] = "in Kinloom2016/11/03.Form1.PushButton6_Click ";
inline constexpr char Form1_PushButton7_Click[] = "in Kinloom2016/11/03.Form1.PushButton7_Click ";
inline constexpr char Form1_PushButton1_Click[] = "in Kinloom2016/11/03.Form1.PushButton1_Click ";
inline constexpr char Excel1_saveCellsActivesheet[] = "in Kinloom2016/11/03.Excel1.saveCellsActivesheet ";
inline constexpr char Form2_Form_Load[] = "in Kinloom2016/11/03.Form2.Form_Load ";
inline constexpr char Form2_Form_Activate[] = "in Kinloom2016/11/03.Form2.Form_Activate ";
inline constexpr char Form2_PushButton1_Click[] = "in Kinloom2016/11/03.Form2.PushButton1_Click ";
inline constexpr char Form2_PushButton2_Click[] = "in Kinloom2016/11/03.Form2.PushButton2_Click ";
inline constexpr char Form2_PushButton6_Click[] = "in Kinloom2016/11/03.Form2.PushButton6_Click ";
inline constexpr char Form2_PushButton8_Click[] = "in Kinloom2016/11/03.Form2.PushButton8_Click ";
inline constexpr char Form2_mnuPrint_Click[] = "in Kinloom2016/11/03.Form2.mnuPrint_Click ";

} // namespace shell::ProcedurePath
