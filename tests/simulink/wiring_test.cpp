#include "simulink/wiring.h"

#include <gtest/gtest.h>

#include "causality/causality_fixtures.h"
#include "causality/strong_bonds.h"
#include "simulink/parametriza.h"
#include "simulink/simulink_fixtures.h"

namespace vantor {
namespace {

std::string lines_of(test::ModelBuilder& b, PortTables& ports) {
    std::string out;
    Wiring(b.window.model, ports, test::kLineTemplate).append_lines(out);
    return out;
}

TEST(Parametriza, JunctionsGetOneSignPerWeakBondAndElementsTheirEffin) {
    test::ModelBuilder b;
    const int c = b.add("C__"), zero = b.add("000");
    const int r1 = b.add("R__"), r2 = b.add("R__");
    b.bond(c, zero, 1);  // stroke at the junction: its strong bond, entering it
    b.bond(zero, r1, 1);
    b.bond(zero, r2, 1);
    b.window.model.objs[zero].parameters = "old text";
    causalizar(b.window.model);
    parametriza(b.window.model);
    EXPECT_EQ(b.obj(zero).parameters.trimmed(), "++");
    EXPECT_EQ(b.obj(c).effin, 0);
    EXPECT_EQ(b.obj(zero).effin, 0);  // its last bond decides: it gives effort there
    EXPECT_EQ(b.obj(r1).effin, 1);

    // The same junction as obj1 of its strong bond signs the other way.
    test::ModelBuilder a;
    const int j = a.add("000"), x = a.add("C__"), y = a.add("R__");
    a.bond(j, x, 2);  // strong, the junction its obj1
    a.bond(y, j, 2);  // entering, stroke away from the junction
    causalizar(a.window.model);
    parametriza(a.window.model);
    EXPECT_EQ(a.obj(j).parameters.trimmed(), "+");
    EXPECT_EQ(a.obj(y).parameters, std::string(100, '\0'));  // only junctions sign
}

// The lines of whole models are pinned by the generate command cases; here,
// what makes no line: a port never recorded, a bond outside causality, and
// strong bonds in a circle, which end the chain (and the call returns).
TEST(Wiring, WhatMakesNoLine) {
    for (const int causa : {2, 3}) {
        test::ModelBuilder b;
        const int r = b.add("R__"), one = b.add("111");
        b.bond(r, one, causa);
        PortTables ports;
        ports.flow[r][0] = "1f";  // the flow's destination was never recorded
        if (causa == 3) {         // outside causality, every port recorded
            ports.flow[r] = ports.effort[r] = {"1x", "1x", "1x", "1x"};
            ports.flow[one] = ports.effort[one] = {"2sum", "2sum", "2sum", "2sum"};
        }
        EXPECT_EQ(lines_of(b, ports), "") << causa;
    }
    test::ModelBuilder b;
    const int z1 = b.add("000"), z2 = b.add("000");
    b.bond(z1, z2, 1);
    b.bond(z2, z1, 1);
    causalizar(b.window.model);
    PortTables ports;
    EXPECT_EQ(lines_of(b, ports), "");
}

TEST(Wiring, JunctionChainsTakeTheOutputColumnOfEachStrongBond) {
    // A transformer feeds 0-junction 3 on a bond with causa 2; 0-junction 2
    // takes its effort through 3. The transformer's two columns differ.
    test::ModelBuilder b;
    const int tf = b.add("TRF"), z2 = b.add("000"), z3 = b.add("000");
    b.bond(z3, tf, 2);  // stroke at z3 (obj1): strong for z3, causa 2 → column 0
    b.bond(z3, z2, 1);  // stroke at z2 (obj2): strong for z2, causa 1
    causalizar(b.window.model);
    PortTables ports;
    ports.effort[tf][0] = "1col0";
    ports.effort[tf][2] = "1col2";
    std::string out;
    Wiring w(b.window.model, ports, test::kLineTemplate);
    w.append_lines(out);
    EXPECT_EQ(ports.effort[z3][0], "1col0");
    EXPECT_EQ(ports.effort[z2][0], "1col0");
    EXPECT_EQ(ports.signal[z2], "1col0");
}

TEST(Wiring, SignalLinksRunFromTheSourceBlockToTheInputPort) {
    // De sensor 1 with output port 2; scope 3 with input port 4; two
    // connection points 5 and 6 in a chain from port 2 to port 4.
    test::ModelBuilder b;
    const int de = b.add("De_"), out_port = b.add("con");
    const int scope = b.add("sco"), in_port = b.add("con");
    const int cp1 = b.add("con"), cp2 = b.add("con");
    Model& m = b.window.model;
    m.objs[out_port].auxil2 = static_cast<std::int16_t>(de);
    m.objs[out_port].auxil3 = 1;
    m.objs[out_port].signout = -1;
    m.objs[in_port].auxil2 = static_cast<std::int16_t>(scope);
    m.objs[in_port].auxil3 = 1;
    m.objs[cp1].auxil2 = static_cast<std::int16_t>(out_port);
    m.objs[cp1].signout = -1;
    m.objs[cp2].auxil2 = static_cast<std::int16_t>(cp1);
    m.objs[cp2].signout = -1;
    b.bond(out_port, cp1, 4);
    b.bond(cp1, cp2, 4);
    b.bond(cp2, in_port, 4);
    PortTables ports;
    ports.signal[de] = "1sig";
    ports.signal[scope] = "3in";
    ports.effort[scope][1] = "3in";  // the signal block is also its effort input
    EXPECT_EQ(lines_of(b, ports), "1sig/1>3in/2;");
}

TEST(AgregarLinea, FillsTheFourPlaceholdersAndDropsOthers) {
    std::string out;
    agregar_linea(out, "add_line(sys,'#block1#/#con1#','#block2#/#con2#')#x#\r\n", "3a", "4b", 1,
                  2);
    EXPECT_EQ(out, "add_line(sys,'3a/1','4b/2')\r\n");
    agregar_linea(out, "never", "", "4b", 1, 2);
    EXPECT_EQ(out, "add_line(sys,'3a/1','4b/2')\r\n");
}

}  // namespace
}  // namespace vantor
