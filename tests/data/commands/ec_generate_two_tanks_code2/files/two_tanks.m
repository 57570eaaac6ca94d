Model {
  Name "two_tanks"
  StopTime "10"
  System {
    Name "two_tanks"
    Block {
      BlockType Constant
      Name "1f"
      Position [100, 40, 125, 65]
      Value "1e-3"
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
      Gain "1/(1/(1000*9.81))"
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
      BlockType Gain
      Name "5f"
      Position [500, 40, 525, 65]
      Gain "1/(1e6)"
    }
    Block {
      BlockType Sum
      Name "6sum"
      Position [600, 40, 625, 65]
      Inputs "+--"
    }
    Block {
      BlockType Integrator
      Name "7q"
      Position [700, 40, 725, 65]
      InitialCondition "0"
    }
    Block {
      BlockType Gain
      Name "7e"
      Position [735, 40, 760, 65]
      Gain "1/(0.5/(1000*9.81))"
    }
    Line {
      SrcBlock "7q"
      SrcPort 1
      DstBlock "7e"
      DstPort 1
    }
    Block {
      BlockType Gain
      Name "8f"
      Position [800, 40, 825, 65]
      Gain "1/(2e6)"
    }
    Block {
      BlockType Gain
      Name "9e"
      Position [900, 40, 925, 65]
      Gain "1"
    }
    Block {
      BlockType Constant
      Name "9f"
      Position [935, 40, 960, 65]
      Value "0"
    }
    Block {
      BlockType Scope
      Name "11scope"
      Position [1100, 40, 1125, 65]
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
      DstBlock "5f"
      DstPort 1
    }
    Line {
      SrcBlock "5f"
      SrcPort 1
      DstBlock "6sum"
      DstPort 1
    }
    Line {
      SrcBlock "7e"
      SrcPort 1
      DstBlock "4sum"
      DstPort 2
    }
    Line {
      SrcBlock "6sum"
      SrcPort 1
      DstBlock "7q"
      DstPort 1
    }
    Line {
      SrcBlock "7e"
      SrcPort 1
      DstBlock "8f"
      DstPort 1
    }
    Line {
      SrcBlock "8f"
      SrcPort 1
      DstBlock "6sum"
      DstPort 2
    }
    Line {
      SrcBlock "7e"
      SrcPort 1
      DstBlock "9e"
      DstPort 1
    }
    Line {
      SrcBlock "9f"
      SrcPort 1
      DstBlock "6sum"
      DstPort 3
    }
    Line {
      SrcBlock "9e"
      SrcPort 1
      DstBlock "11scope"
      DstPort 1
    }
  }
}
