Model {
  Name "quarter_car"
  StopTime "10"
  System {
    Name "quarter_car"
    Block {
      BlockType Constant
      Name "1f"
      Position [100, 40, 125, 65]
      Value "0.1"
    }
    Block {
      BlockType Terminator
      Name "1t"
      Position [135, 40, 160, 65]
    }
    Block {
      BlockType Sum
      Name "2sum"
      Position [200, 40, 225, 65]
      Inputs "+-"
    }
    Block {
      BlockType Integrator
      Name "3q"
      Position [300, 40, 325, 65]
      InitialCondition "0"
    }
    Block {
      BlockType Gain
      Name "3e"
      Position [335, 40, 360, 65]
      Gain "1/(1/160000)"
    }
    Line {
      SrcBlock "3q"
      SrcPort 1
      DstBlock "3e"
      DstPort 1
    }
    Block {
      BlockType Sum
      Name "4sum"
      Position [400, 40, 425, 65]
      Inputs "+-"
    }
    Block {
      BlockType Integrator
      Name "5p"
      Position [500, 40, 525, 65]
      InitialCondition "0"
    }
    Block {
      BlockType Gain
      Name "5f"
      Position [535, 40, 560, 65]
      Gain "1/(40)"
    }
    Line {
      SrcBlock "5p"
      SrcPort 1
      DstBlock "5f"
      DstPort 1
    }
    Block {
      BlockType Sum
      Name "6sum"
      Position [600, 40, 625, 65]
      Inputs "+-"
    }
    Block {
      BlockType Sum
      Name "7sum"
      Position [700, 40, 725, 65]
      Inputs "++"
    }
    Block {
      BlockType Integrator
      Name "8q"
      Position [800, 40, 825, 65]
      InitialCondition "0"
    }
    Block {
      BlockType Gain
      Name "8e"
      Position [835, 40, 860, 65]
      Gain "1/(1/16000)"
    }
    Line {
      SrcBlock "8q"
      SrcPort 1
      DstBlock "8e"
      DstPort 1
    }
    Block {
      BlockType Gain
      Name "9e"
      Position [900, 40, 925, 65]
      Gain "1000"
    }
    Block {
      BlockType Sum
      Name "10sum"
      Position [1000, 40, 1025, 65]
      Inputs "+-"
    }
    Block {
      BlockType Integrator
      Name "11p"
      Position [1100, 40, 1125, 65]
      InitialCondition "0"
    }
    Block {
      BlockType Gain
      Name "11f"
      Position [1135, 40, 1160, 65]
      Gain "1/(250)"
    }
    Line {
      SrcBlock "11p"
      SrcPort 1
      DstBlock "11f"
      DstPort 1
    }
    Block {
      BlockType Gain
      Name "12f"
      Position [1200, 40, 1225, 65]
      Gain "1"
    }
    Block {
      BlockType Constant
      Name "12e"
      Position [1235, 40, 1260, 65]
      Value "0"
    }
    Block {
      BlockType Scope
      Name "14scope"
      Position [1400, 40, 1425, 65]
    }
    Line {
      SrcBlock "1f"
      SrcPort 1
      DstBlock "2sum"
      DstPort 1
    }
    Line {
      SrcBlock "3e"
      SrcPort 1
      DstBlock "1t"
      DstPort 1
    }
    Line {
      SrcBlock "2sum"
      SrcPort 1
      DstBlock "3q"
      DstPort 1
    }
    Line {
      SrcBlock "3e"
      SrcPort 1
      DstBlock "4sum"
      DstPort 1
    }
    Line {
      SrcBlock "5f"
      SrcPort 1
      DstBlock "2sum"
      DstPort 2
    }
    Line {
      SrcBlock "4sum"
      SrcPort 1
      DstBlock "5p"
      DstPort 1
    }
    Line {
      SrcBlock "5f"
      SrcPort 1
      DstBlock "6sum"
      DstPort 1
    }
    Line {
      SrcBlock "7sum"
      SrcPort 1
      DstBlock "4sum"
      DstPort 2
    }
    Line {
      SrcBlock "6sum"
      SrcPort 1
      DstBlock "8q"
      DstPort 1
    }
    Line {
      SrcBlock "8e"
      SrcPort 1
      DstBlock "7sum"
      DstPort 1
    }
    Line {
      SrcBlock "6sum"
      SrcPort 1
      DstBlock "9e"
      DstPort 1
    }
    Line {
      SrcBlock "9e"
      SrcPort 1
      DstBlock "7sum"
      DstPort 2
    }
    Line {
      SrcBlock "7sum"
      SrcPort 1
      DstBlock "10sum"
      DstPort 1
    }
    Line {
      SrcBlock "11f"
      SrcPort 1
      DstBlock "6sum"
      DstPort 2
    }
    Line {
      SrcBlock "10sum"
      SrcPort 1
      DstBlock "11p"
      DstPort 1
    }
    Line {
      SrcBlock "11f"
      SrcPort 1
      DstBlock "12f"
      DstPort 1
    }
    Line {
      SrcBlock "12e"
      SrcPort 1
      DstBlock "10sum"
      DstPort 2
    }
    Line {
      SrcBlock "12f"
      SrcPort 1
      DstBlock "14scope"
      DstPort 1
    }
  }
}
