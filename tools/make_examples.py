#!/usr/bin/env python3
"""Writes Vantor's standard element library and the example models.

Makes, below the project root:
  data/library/bondgraph.lib      palette of bond-graph elements
  data/library/signals.lib        palette of signal blocks
  data/library/<type>.dat         one element description per library type
  data/library/priori1..5.dat     causality priority tables
  examples/<name>.bgf             nine example models (two_junctions.bgf is
                                  not made here and is left alone)

Run it from anywhere with a plain Python 3 (standard library only):
  python3 tools/make_examples.py
The output is the same bytes on every run. The files are in the model file
format exactly as vantor writes it (CR LF lines, Windows-1252, fixed-width text
fields), so `vantor-cli resave` gives each .lib and .bgf back byte for byte.
"""

from __future__ import annotations

import dataclasses
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
LIBRARY = ROOT / "data" / "library"
EXAMPLES = ROOT / "examples"

CRLF = "\r\n"
TEXT_WIDTH = 100
TYPE_WIDTH = 3
BULLET = "\u2022"  # a connection point's caption; byte 0x95 in Windows-1252

# ---------------------------------------------------------------------------
# Records and the model file writer
# ---------------------------------------------------------------------------


@dataclasses.dataclass
class Obj:
    type: str
    parameters: str = ""
    maxlin: int = 0
    numlin: int = 0
    caption: str = ""
    top: int = 0
    left: int = 0
    parameter2: str = ""
    index: int = 0
    maxsigninp: int = 0
    signout: int = 0
    auxil1: int = 0
    auxil2: int = 0
    auxil3: int = 0


@dataclasses.dataclass
class Bond:
    causa: int
    obj1: int
    obj2: int


def number_text(value: int) -> str:
    assert -32768 <= value <= 32767, value
    return f" {value}" if value >= 0 else str(value)


def fixed(text: str, width: int) -> str:
    assert len(text) <= width, (text, width)
    return text.ljust(width)


def line(key: str, value: str) -> str:
    # A comma would split the line when it is read back; the writer then puts
    # the whole line between double quotes.
    if "," in value and '"' not in value:
        return f'"{key} = {value}"' + CRLF
    return f"{key} = {value}" + CRLF


def element_lines(o: Obj) -> str:
    assert len(o.type) == TYPE_WIDTH, o.type
    return "".join(
        [
            line("type", o.type),
            line("parameters", fixed(o.parameters, TEXT_WIDTH)),
            line("maxlin", number_text(o.maxlin)),
            line("numlin", number_text(o.numlin)),
            line("caption", fixed(o.caption, TEXT_WIDTH).replace("\r", "\x8d")),
            line("top", number_text(o.top)),
            line("left", number_text(o.left)),
            line("parameter2", fixed(o.parameter2, TEXT_WIDTH)),
            line("index", number_text(o.index)),
            line("maxsigninp", number_text(o.maxsigninp)),
            line("signout", number_text(o.signout)),
            line("auxil1", number_text(o.auxil1)),
            line("auxil2", number_text(o.auxil2)),
            line("auxil3", number_text(o.auxil3)),
        ]
    )


def model_text(objs: list[Obj], bonds: list[Bond]) -> bytes:
    out = []
    for o in objs:
        out.append("add_obj" + CRLF + element_lines(o) + "end" + CRLF)
    out.append(number_text(len(bonds)) + " " + CRLF)
    for b in bonds:
        out.append(
            "add_line" + CRLF
            + line("causa", number_text(b.causa))
            + line("obj1", number_text(b.obj1))
            + line("obj2", number_text(b.obj2))
            + "end" + CRLF
        )
    out.append("end_sys" + CRLF)
    return "".join(out).encode("cp1252")


def write_bytes(path: pathlib.Path, data: bytes) -> None:
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)


def text_lines(lines: list[str]) -> bytes:
    for text in lines:
        assert "\r" not in text and "\n" not in text, text
    return "".join(text + CRLF for text in lines).encode("cp1252")


# ---------------------------------------------------------------------------
# The library: palette entries and their descriptions
# ---------------------------------------------------------------------------


@dataclasses.dataclass
class Entry:
    """One library type: its palette record and its description file."""

    type: str
    caption: str
    description: str
    parameter_names: list[str]
    parameters: str = ""
    parameter2: str = ""
    maxlin: int = 0
    maxsigninp: int = 0
    signout: int = 0
    auxil1: int = 0
    row: int = 0
    column: int = 0

    def record(self) -> Obj:
        return Obj(
            type=self.type,
            parameters=self.parameters,
            maxlin=self.maxlin,
            caption=self.caption,
            parameter2=self.parameter2,
            maxsigninp=self.maxsigninp,
            signout=self.signout,
            auxil1=self.auxil1,
        )


ONE_PORT, TWO_PORT, JUNCTION = 1, 2, 10

BOND_GRAPH = [
    # Sources: first row.
    Entry("Se_", "Se",
          "Effort source Se. It imposes the effort e = Se whatever flow is drawn "
          "from it: a voltage [V]; a force [N] or torque [N*m]; a pressure [Pa]. "
          "Fixed causality: it always gives effort to its bond (causal stroke at "
          "the far end of the bond).",
          ["Effort e [V or N or Pa]"], parameters="1", maxlin=ONE_PORT, row=0, column=0),
    Entry("Sf_", "Sf",
          "Flow source Sf. It imposes the flow f = Sf whatever effort is across "
          "it: a current [A]; a velocity [m/s] or angular velocity [rad/s]; a "
          "volume flow [m^3/s]. Fixed causality: it always gives flow to its "
          "bond (causal stroke at the source).",
          ["Flow f [A or m/s or m^3/s]"], parameters="1", maxlin=ONE_PORT, row=0, column=1),
    Entry("MSe", "MSe",
          "Modulated effort source MSe. It imposes the effort e = u where u is "
          "the signal at its input port (a controlled voltage; an actuator force "
          "or torque). It has no parameter: draw a signal link to its input. "
          "Fixed causality: it always gives effort to its bond.",
          [], maxlin=ONE_PORT, maxsigninp=1, row=0, column=2),
    Entry("MSf", "MSf",
          "Modulated flow source MSf. It imposes the flow f = u where u is the "
          "signal at its input port (a controlled current; a prescribed "
          "velocity; a pump flow). It has no parameter: draw a signal link to "
          "its input. Fixed causality: it always gives flow to its bond.",
          [], maxlin=ONE_PORT, maxsigninp=1, row=0, column=3),
    # Storage and dissipation: second row, with the junctions.
    Entry("C__", "C",
          "Capacitor or spring C. It stores the displacement q: e = q/C with "
          "dq/dt = f. Capacitance [F]; mechanical compliance 1/k [m/N]; tank "
          "capacitance A/(rho*g) [m^3/Pa]. Preferred integral causality: it "
          "gives effort to its bond. Derivative causality is reported.",
          ["Capacitance C [F or m/N or m^3/Pa]", "Initial displacement q0 [C or m or m^3]"],
          parameters="1", parameter2="0", maxlin=ONE_PORT, row=1, column=0),
    Entry("I__", "I",
          "Inertia I. It stores the momentum p: f = p/I with dp/dt = e. "
          "Inductance [H]; mass [kg] or moment of inertia [kg*m^2]; fluid "
          "inertance [kg/m^4]. Preferred integral causality: it receives effort "
          "and gives flow. Derivative causality is reported.",
          ["Inertia I [H or kg or kg*m^2]", "Initial momentum p0 [V*s or N*s]"],
          parameters="1", parameter2="0", maxlin=ONE_PORT, row=1, column=1),
    Entry("R__", "R",
          "Resistor or damper R. It dissipates power: e = R*f. Resistance "
          "[ohm]; viscous damping [N*s/m] or [N*m*s/rad]; flow resistance "
          "[Pa*s/m^3]. Free causality: it takes whichever the junctions give. "
          "If a resistor has to be given a causality by choice the graph has an "
          "algebraic loop.",
          ["Resistance R [ohm or N*s/m or Pa*s/m^3]"],
          parameters="1", maxlin=ONE_PORT, row=1, column=2),
    # Two-ports: third row.
    Entry("TRF", "TF",
          "Transformer TF: ideal and power conserving (electrical transformer; "
          "lever; gear pair). Bond 1 is the bond entering the element and bond 2 "
          "the one leaving it: e1 = n*e2 and f2 = n*f1. Effort passes straight "
          "through: both bonds carry their causal strokes the same way.",
          ["Modulus n [-]"], parameters="1", maxlin=TWO_PORT, row=2, column=0),
    Entry("MTF", "MTF",
          "Modulated transformer MTF: a transformer whose modulus n is the signal "
          "at its input port (variable gear ratio; changing lever arm). Bond 1 "
          "enters the element and bond 2 leaves it: e1 = n*e2 and f2 = n*f1. It "
          "has no parameter. Causality as for TF.",
          [], maxlin=TWO_PORT, maxsigninp=1, row=2, column=1),
    Entry("GYR", "GY",
          "Gyrator GY: ideal and power conserving (DC motor; voice coil). Bond 1 "
          "is the bond entering the element and bond 2 the one leaving it: "
          "e1 = r*f2 and e2 = r*f1. The flow on one side sets the effort on the "
          "other: the two bonds carry opposite causal strokes.",
          ["Modulus r [N*m/A or V*s/rad]"], parameters="1", maxlin=TWO_PORT, row=2, column=2),
    Entry("MGY", "MGY",
          "Modulated gyrator MGY: a gyrator whose modulus r is the signal at its "
          "input port (a motor with variable field). Bond 1 enters the element "
          "and bond 2 leaves it: e1 = r*f2 and e2 = r*f1. It has no parameter. "
          "Causality as for GY.",
          [], maxlin=TWO_PORT, maxsigninp=1, row=2, column=3),
    Entry("000", "0",
          "0-junction: all its bonds have the same effort and their flows add up "
          "to zero (bonds entering count plus and bonds leaving minus). A common "
          "voltage (parallel circuit); a common force; a common pressure. Exactly "
          "one bond gives the effort to the junction.",
          [], maxlin=JUNCTION, row=1, column=3),
    Entry("111", "1",
          "1-junction: all its bonds have the same flow and their efforts add up "
          "to zero (bonds entering count plus and bonds leaving minus). A common "
          "current (series circuit); a common velocity; a common volume flow. "
          "Exactly one bond gives the flow to the junction.",
          [], maxlin=JUNCTION, row=1, column=4),
    # Sensors: fourth row.
    Entry("De_", "De",
          "Effort sensor De: measures the effort of the junction it is bonded to "
          "(voltage; force; pressure) and draws no flow. The value leaves by its "
          "signal output port; link it to a scope or another block. Fixed "
          "causality: it receives effort (causal stroke at the sensor).",
          [], maxlin=ONE_PORT, signout=1, row=3, column=0),
    Entry("Df_", "Df",
          "Flow sensor Df: measures the flow through the junction it is bonded "
          "to (current; velocity; volume flow) with no effort across it. The "
          "value leaves by its signal output port; link it to a scope or "
          "another block. Fixed causality: it receives flow (causal stroke at "
          "the junction).",
          [], maxlin=ONE_PORT, signout=1, row=3, column=1),
]

FRAMED = 1
SIGNALS = [
    Entry("sum", "sum",
          "Sum: adds its inputs with the signs given in order: y = s1*u1 + s2*u2 "
          "+ ... The signs are one + or - per input; their number sets the "
          "number of input ports.",
          ["Signs of the inputs (+ or -)"], parameters="+-",
          maxsigninp=2, signout=1, auxil1=FRAMED),
    Entry("mux", "mux",
          "Mux: gathers its scalar inputs into one vector signal; input 1 "
          "becomes the first element. The parameter sets the number of input "
          "ports.",
          ["Number of inputs"], parameters="2", maxsigninp=2, signout=1, auxil1=FRAMED),
    Entry("dem", "demux",
          "Demux: splits a vector signal into its elements; output 1 carries "
          "the first element. The parameter sets the number of output ports.",
          ["Number of outputs"], parameters="2", maxsigninp=1, signout=2, auxil1=FRAMED),
    Entry("gai", "gain",
          "Gain: multiplies its input by a constant: y = K*u.",
          ["Gain K"], parameters="1", maxsigninp=1, signout=1, auxil1=FRAMED),
    Entry("int", "integrator",
          "Integrator: y = y0 + integral of u dt from the start of the "
          "simulation.",
          ["Initial condition y0"], parameters="0", maxsigninp=1, signout=1, auxil1=FRAMED),
    Entry("cst", "constant",
          "Constant: its output keeps the same value at all times.",
          ["Value"], parameters="1", signout=1, auxil1=FRAMED),
    Entry("stp", "step",
          "Step: the output is 0 before the step time and the final value from "
          "the step time on.",
          ["Step time [s]", "Final value"], parameters="1", parameter2="1",
          signout=1, auxil1=FRAMED),
    Entry("sin", "sine",
          "Sine wave: y = A*sin(w*t) with the amplitude A and the frequency w in "
          "rad/s (w = 2*pi*f for a frequency f in Hz).",
          ["Amplitude A", "Frequency w [rad/s]"], parameters="1", parameter2="1",
          signout=1, auxil1=FRAMED),
    Entry("prd", "product",
          "Product: multiplies its two inputs: y = u1*u2.",
          [], maxsigninp=2, signout=1, auxil1=FRAMED),
    Entry("fcn", "function",
          "Function: y = f(u) where f(u) is a MATLAB expression of the input u "
          "such as u^2 or sin(u) or 1/(1+u^2).",
          ["Expression of u"], parameters="u^2", maxsigninp=1, signout=1, auxil1=FRAMED),
    Entry("sco", "scope",
          "Scope: plots its input signal against time while the simulation "
          "runs.",
          [], maxsigninp=1, auxil1=FRAMED),
    Entry("sys", "MATLAB link",
          "MATLAB link: a double click on it brings the MATLAB Command Window to "
          "the front and types the commands simulink and subsist into it.",
          [], auxil1=FRAMED),
]

# Palette placement (twips): bond-graph entries in rows of up to five, grouped
# by kind; signal blocks, whose captions are longer, in rows of four.
BOND_GRAPH_ORIGIN, BOND_GRAPH_STEP = (240, 240), (600, 900)
SIGNALS_ORIGIN, SIGNALS_STEP, SIGNALS_PER_ROW = (240, 240), (600, 1560), 4

PRIORITY_TABLES = {
    "priori1.dat": ["Se_", "MSe", "Df_"],  # impose effort: mandatory
    "priori2.dat": ["Sf_", "MSf", "De_"],  # impose flow: mandatory
    "priori3.dat": ["C__"],                # integral causality: preferred
    "priori4.dat": ["I__"],                # integral causality: preferred
    "priori5.dat": ["R__"],                # free
}


def library_files() -> dict[str, bytes]:
    files: dict[str, bytes] = {}
    records = []
    for e in BOND_GRAPH:
        o = e.record()
        o.top = BOND_GRAPH_ORIGIN[0] + e.row * BOND_GRAPH_STEP[0]
        o.left = BOND_GRAPH_ORIGIN[1] + e.column * BOND_GRAPH_STEP[1]
        records.append(o)
    files["bondgraph.lib"] = model_text(records, [])
    records = []
    for n, e in enumerate(SIGNALS):
        o = e.record()
        o.top = SIGNALS_ORIGIN[0] + (n // SIGNALS_PER_ROW) * SIGNALS_STEP[0]
        o.left = SIGNALS_ORIGIN[1] + (n % SIGNALS_PER_ROW) * SIGNALS_STEP[1]
        records.append(o)
    files["signals.lib"] = model_text(records, [])

    for e in BOND_GRAPH + SIGNALS:
        text = [e.description, str(len(e.parameter_names))] + e.parameter_names
        for t in text:
            # The description reader ends a line at a comma.
            assert "," not in t and not t.startswith(("%", '"')), (e.type, t)
        assert len(e.description) <= 300, (e.type, len(e.description))
        comment = f"% {e.type}: description / number of parameters / parameter names"
        files[e.type + ".dat"] = text_lines([comment] + text)

    for name, types in PRIORITY_TABLES.items():
        files[name] = text_lines(types + ["end"])
    return files


LIBRARY_ENTRIES = {e.type: e for e in BOND_GRAPH + SIGNALS}

# ---------------------------------------------------------------------------
# Example models
# ---------------------------------------------------------------------------

# Glyph size estimate in the glyph font (Courier New bold, 9.75 pt): a caption
# character is about 120 twips wide and a line 240 high; a frame adds 30. The
# redraw places ports from the real glyph sizes; these values only make the
# stored port positions close to where the redraw puts them.
CHAR_WIDTH, LINE_HEIGHT, FRAME_SIZE = 120, 240, 30


def glyph_size(o: Obj) -> tuple[int, int]:
    rows = o.caption.split("\r")
    frame = FRAME_SIZE if o.auxil1 else 0
    return (CHAR_WIDTH * max(len(r) for r in rows) + frame, LINE_HEIGHT * len(rows) + frame)


def round_half_even(x: float) -> int:
    return round(x)  # Python rounds halves to even, as the program does


class Builder:
    """Places elements by their glyph centres and numbers them as a drop does."""

    def __init__(self) -> None:
        self.objs: list[Obj] = []
        self.bonds: list[Bond] = []

    def number(self, o: Obj) -> int:
        return self.objs.index(o) + 1

    def add(self, type_: str, caption: str, cx: int, cy: int,
            parameters: str | None = None, parameter2: str | None = None) -> int:
        """Adds a library element centred on (cx, cy); returns its number.

        A signal block's ports follow it at once, inputs first, as when it is
        dropped from the palette."""
        entry = LIBRARY_ENTRIES[type_]
        o = entry.record()
        o.caption = caption
        if parameters is not None:
            o.parameters = parameters
        if parameter2 is not None:
            o.parameter2 = parameter2
        w, h = glyph_size(o)
        o.top, o.left = round_half_even(cy - h / 2), round_half_even(cx - w / 2)
        self.objs.append(o)
        n = len(self.objs)
        for k in range(1, o.maxsigninp + 1):
            self.objs.append(self.port(n, k, 0))
        for k in range(1, o.signout + 1):
            self.objs.append(self.port(n, k, -1))
        return n

    def port(self, owner: int, k: int, signout: int) -> Obj:
        # Ports with caption ">": inputs on the owner's left, outputs on its
        # right, spread evenly along its height.
        o = self.objs[owner - 1]
        p = Obj(type="con", caption=">", auxil2=owner, auxil3=k, signout=signout)
        ow, oh = glyph_size(o)
        pw, ph = glyph_size(p)
        n = o.signout if signout != 0 else o.maxsigninp
        v = oh * (0.5 + (k - (n + 1) / 2) / n) - ph / 2
        h = ow if signout != 0 else -pw
        p.top, p.left = round_half_even(o.top + v), round_half_even(o.left + h)
        return p

    def bond(self, a: int, b: int) -> None:
        """A power bond from a to b (power flows from a to b)."""
        self.bonds.append(Bond(0, a, b))
        self.objs[a - 1].numlin += 1
        self.objs[b - 1].numlin += 1

    def output_port(self, block: int, k: int = 1) -> int:
        return self.find_port(block, k, -1)

    def input_port(self, block: int, k: int = 1) -> int:
        return self.find_port(block, k, 0)

    def find_port(self, block: int, k: int, signout: int) -> int:
        for n, o in enumerate(self.objs, 1):
            if o.type == "con" and o.auxil2 == block and o.auxil3 == k and o.signout == signout:
                return n
        raise KeyError((block, k, signout))

    def signal(self, source_block: int, target_block: int) -> int:
        """Links output 1 of one block to input 1 of another through one
        connection point at the corner below the output port; returns the
        connection point's number."""
        out = self.output_port(source_block)
        inp = self.input_port(target_block)
        o = self.objs[out - 1]
        point = dataclasses.replace(o, caption=BULLET, auxil2=out, auxil3=0, index=inp,
                                    top=self.objs[inp - 1].top, left=o.left, numlin=0)
        self.objs.append(point)
        cp = len(self.objs)
        self.bonds.append(Bond(4, out, cp))
        self.bonds.append(Bond(4, cp, inp))
        return cp

    def text(self) -> bytes:
        for o in self.objs:
            assert 0 <= o.top <= 20000 and 0 <= o.left <= 20000, o
        return model_text(self.objs, self.bonds)


# Layout grid (glyph centres, twips): the power path runs left to right along
# the first row; the elements of each junction hang below it; the scope sits in
# the third row, to the right of the sensor that feeds it.
ROW1, ROW2, ROW3 = 900, 2100, 3300


def series_rlc() -> Builder:
    m = Builder()
    se = m.add("Se_", "Se", 600, ROW1, "1")
    j1 = m.add("111", "1", 1800, ROW1)
    ind = m.add("I__", "I", 1200, ROW2, "0.1", "0")
    res = m.add("R__", "R", 2400, ROW2, "10")
    j0 = m.add("000", "0", 3600, ROW1)
    cap = m.add("C__", "C", 3000, ROW2, "1e-3", "0")
    de = m.add("De_", "De", 4200, ROW2)
    sco = m.add("sco", "scope", 5400, ROW3)
    for a, b in [(se, j1), (j1, ind), (j1, res), (j1, j0), (j0, cap), (j0, de)]:
        m.bond(a, b)
    m.signal(de, sco)
    return m


def parallel_rc() -> Builder:
    m = Builder()
    sf = m.add("Sf_", "Sf", 600, ROW1, "1e-3")
    j0 = m.add("000", "0", 1800, ROW1)
    cap = m.add("C__", "C", 1200, ROW2, "1e-3", "0")
    res = m.add("R__", "R", 1800, ROW2, "1000")
    de = m.add("De_", "De", 2400, ROW2)
    sco = m.add("sco", "scope", 3600, ROW3)
    for a, b in [(sf, j0), (j0, cap), (j0, res), (j0, de)]:
        m.bond(a, b)
    m.signal(de, sco)
    return m


def mass_spring_damper() -> Builder:
    m = Builder()
    se = m.add("Se_", "Se", 600, ROW1, "1")
    j1 = m.add("111", "1", 1800, ROW1)
    mass = m.add("I__", "I", 900, ROW2, "2", "0")
    spring = m.add("C__", "C", 1500, ROW2, "1/50", "0")
    damper = m.add("R__", "R", 2100, ROW2, "4")
    df = m.add("Df_", "Df", 2700, ROW2)
    sco = m.add("sco", "scope", 3900, ROW3)
    for a, b in [(se, j1), (j1, mass), (j1, spring), (j1, damper), (j1, df)]:
        m.bond(a, b)
    m.signal(df, sco)
    return m


def two_capacitors() -> Builder:
    m = Builder()
    se = m.add("Se_", "Se", 600, ROW1, "1")
    j1 = m.add("111", "1", 1800, ROW1)
    res = m.add("R__", "R", 1800, ROW2, "100")
    j0 = m.add("000", "0", 3600, ROW1)
    c1 = m.add("C__", "C1", 3000, ROW2, "2e-3", "0")
    c2 = m.add("C__", "C2", 3600, ROW2, "1e-3", "0")
    de = m.add("De_", "De", 4200, ROW2)
    sco = m.add("sco", "scope", 5400, ROW3)
    for a, b in [(se, j1), (j1, res), (j1, j0), (j0, c1), (j0, c2), (j0, de)]:
        m.bond(a, b)
    m.signal(de, sco)
    return m


def coupled_masses() -> Builder:
    m = Builder()
    se = m.add("Se_", "Se", 600, ROW1, "1")
    j1 = m.add("111", "1", 1800, ROW1)
    m1 = m.add("I__", "I1", 900, ROW2, "3", "0")
    m2 = m.add("I__", "I2", 1500, ROW2, "1", "0")
    damper = m.add("R__", "R", 2100, ROW2, "0.5")
    df = m.add("Df_", "Df", 2700, ROW2)
    sco = m.add("sco", "scope", 3900, ROW3)
    for a, b in [(se, j1), (j1, m1), (j1, m2), (j1, damper), (j1, df)]:
        m.bond(a, b)
    m.signal(df, sco)
    return m


def dc_motor() -> Builder:
    m = Builder()
    se = m.add("Se_", "Se", 600, ROW1, "12")
    je = m.add("111", "1", 1800, ROW1)
    ra = m.add("R__", "Ra", 1500, ROW2, "1")
    la = m.add("I__", "La", 2100, ROW2, "0.5", "0")
    gy = m.add("GYR", "GY", 3000, ROW1, "0.05")
    jm = m.add("111", "1", 4200, ROW1)
    rotor = m.add("I__", "J", 3600, ROW2, "0.01", "0")
    friction = m.add("R__", "B", 4200, ROW2, "0.1")
    df = m.add("Df_", "Df", 4800, ROW2)
    sco = m.add("sco", "scope", 6000, ROW3)
    for a, b in [(se, je), (je, ra), (je, la), (je, gy), (gy, jm), (jm, rotor),
                 (jm, friction), (jm, df)]:
        m.bond(a, b)
    m.signal(df, sco)
    return m


def quarter_car() -> Builder:
    m = Builder()
    road = m.add("Sf_", "Sf", 600, ROW1, "0.1")
    jt = m.add("000", "0", 1800, ROW1)
    tyre = m.add("C__", "Ct", 1800, ROW2, "1/160000", "0")
    ju = m.add("111", "1", 3000, ROW1)
    wheel = m.add("I__", "Iu", 3000, ROW2, "40", "0")
    js = m.add("000", "0", 4200, ROW1)
    jr = m.add("111", "1", 4200, ROW2)
    spring = m.add("C__", "Cs", 3600, ROW3, "1/16000", "0")
    damper = m.add("R__", "Rs", 4800, ROW3, "1000")
    jb = m.add("111", "1", 5400, ROW1)
    body = m.add("I__", "Ib", 5100, ROW2, "250", "0")
    df = m.add("Df_", "Df", 5700, ROW2)
    sco = m.add("sco", "scope", 6900, ROW3)
    for a, b in [(road, jt), (jt, tyre), (jt, ju), (ju, wheel), (ju, js), (js, jr),
                 (jr, spring), (jr, damper), (js, jb), (jb, body), (jb, df)]:
        m.bond(a, b)
    m.signal(df, sco)
    return m


def two_tanks() -> Builder:
    m = Builder()
    inflow = m.add("Sf_", "Sf", 600, ROW1, "1e-3")
    j1 = m.add("000", "0", 1800, ROW1)
    tank1 = m.add("C__", "C1", 1800, ROW2, "1/(1000*9.81)", "0")
    jp = m.add("111", "1", 3000, ROW1)
    pipe = m.add("R__", "Rp", 3000, ROW2, "1e6")
    j2 = m.add("000", "0", 4200, ROW1)
    tank2 = m.add("C__", "C2", 3600, ROW2, "0.5/(1000*9.81)", "0")
    valve = m.add("R__", "Rv", 4200, ROW2, "2e6")
    de = m.add("De_", "De", 4800, ROW2)
    sco = m.add("sco", "scope", 6000, ROW3)
    for a, b in [(inflow, j1), (j1, tank1), (j1, jp), (jp, pipe), (jp, j2),
                 (j2, tank2), (j2, valve), (j2, de)]:
        m.bond(a, b)
    m.signal(de, sco)
    return m


def algebraic_loop() -> Builder:
    m = Builder()
    se = m.add("Se_", "Se", 600, ROW1, "1")
    ja = m.add("111", "1", 1800, ROW1)
    r1 = m.add("R__", "R1", 1800, ROW2, "100")
    j0 = m.add("000", "0", 3000, ROW1)
    r2 = m.add("R__", "R2", 2700, ROW2, "200")
    de = m.add("De_", "De", 3300, ROW2)
    jb = m.add("111", "1", 4200, ROW1)
    r3 = m.add("R__", "R3", 3900, ROW2, "50")
    cap = m.add("C__", "C", 4500, ROW2, "1e-4", "0")
    sco = m.add("sco", "scope", 4800, ROW3)
    for a, b in [(se, ja), (ja, r1), (ja, j0), (j0, r2), (j0, de), (j0, jb),
                 (jb, r3), (jb, cap)]:
        m.bond(a, b)
    m.signal(de, sco)
    return m


MODELS = {
    "series_rlc.bgf": series_rlc,
    "parallel_rc.bgf": parallel_rc,
    "mass_spring_damper.bgf": mass_spring_damper,
    "two_capacitors.bgf": two_capacitors,
    "coupled_masses.bgf": coupled_masses,
    "dc_motor.bgf": dc_motor,
    "quarter_car.bgf": quarter_car,
    "two_tanks.bgf": two_tanks,
    "algebraic_loop.bgf": algebraic_loop,
}


def main() -> None:
    for name, data in library_files().items():
        write_bytes(LIBRARY / name, data)
    for name, build in MODELS.items():
        write_bytes(EXAMPLES / name, build().text())


if __name__ == "__main__":
    main()
