Model {
  Name "geared_inertias"
  StopTime "10"
  System {
    Name "geared_inertias"
    Block {
      BlockType Constant
      Name "1e"
      Position [100, 40, 125, 65]
      Value "1"
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
      Inputs "+--"
    }
    Block {
      BlockType Integrator
      Name "3p"
      Position [300, 40, 325, 65]
      InitialCondition "0"
    }
    Block {
      BlockType Gain
      Name "3f"
      Position [335, 40, 360, 65]
      Gain "1/(1)"
    }
    Line {
      SrcBlock "3p"
      SrcPort 1
      DstBlock "3f"
      DstPort 1
    }
    Block {
      BlockType Gain
      Name "4e"
      Position [400, 40, 425, 65]
      Gain "0.1"
    }
    Block {
      BlockType Gain
      Name "5e1"
      Position [500, 40, 525, 65]
      Gain "2"
    }
    Block {
      BlockType Gain
      Name "5f2"
      Position [535, 40, 560, 65]
      Gain "2"
    }
    Block {
      BlockType Gain
      Name "5e2"
      Position [500, 80, 525, 105]
      Gain "1/(2)"
    }
    Block {
      BlockType Gain
      Name "5f1"
      Position [535, 80, 560, 105]
      Gain "1/(2)"
    }
    Block {
      BlockType Sum
      Name "6sum"
      Position [600, 40, 625, 65]
      Inputs "+++"
    }
    Block {
      BlockType Derivative
      Name "7df"
      Position [700, 40, 725, 65]
    }
    Block {
      BlockType Gain
      Name "7e"
      Position [735, 40, 760, 65]
      Gain "1"
    }
    Line {
      SrcBlock "7df"
      SrcPort 1
      DstBlock "7e"
      DstPort 1
    }
    Block {
      BlockType Gain
      Name "8e"
      Position [800, 40, 825, 65]
      Gain "0.1"
    }
    Block {
      BlockType Gain
      Name "9f"
      Position [900, 40, 925, 65]
      Gain "1"
    }
    Block {
      BlockType Constant
      Name "9e"
      Position [935, 40, 960, 65]
      Value "0"
    }
    Block {
      BlockType Scope
      Name "11scope"
      Position [1100, 40, 1125, 65]
    }
    Line {
      SrcBlock "1e"
      SrcPort 1
      DstBlock "2sum"
      DstPort 1
    }
    Line {
      SrcBlock "3f"
      SrcPort 1
      DstBlock "1t"
      DstPort 1
    }
    Line {
      SrcBlock "2sum"
      SrcPort 1
      DstBlock "3p"
      DstPort 1
    }
    Line {
      SrcBlock "3f"
      SrcPort 1
      DstBlock "4e"
      DstPort 1
    }
    Line {
      SrcBlock "4e"
      SrcPort 1
      DstBlock "2sum"
      DstPort 2
    }
    Line {
      SrcBlock "3f"
      SrcPort 1
      DstBlock "5f2"
      DstPort 1
    }
    Line {
      SrcBlock "5e1"
      SrcPort 1
      DstBlock "2sum"
      DstPort 3
    }
    Line {
      SrcBlock "6sum"
      SrcPort 1
      DstBlock "5e1"
      DstPort 1
    }
    Line {
      SrcBlock "5f2"
      SrcPort 1
      DstBlock "7df"
      DstPort 1
    }
    Line {
      SrcBlock "7e"
      SrcPort 1
      DstBlock "6sum"
      DstPort 1
    }
    Line {
      SrcBlock "5f2"
      SrcPort 1
      DstBlock "8e"
      DstPort 1
    }
    Line {
      SrcBlock "8e"
      SrcPort 1
      DstBlock "6sum"
      DstPort 2
    }
    Line {
      SrcBlock "5f2"
      SrcPort 1
      DstBlock "9f"
      DstPort 1
    }
    Line {
      SrcBlock "9e"
      SrcPort 1
      DstBlock "6sum"
      DstPort 3
    }
    Line {
      SrcBlock "9f"
      SrcPort 1
      DstBlock "11scope"
      DstPort 1
    }
  }
}
