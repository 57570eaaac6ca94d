Model {
  Name "dc_motor"
  StopTime "10"
  System {
    Name "dc_motor"
    Block {
      BlockType Constant
      Name "1e"
      Position [100, 40, 125, 65]
      Value "12"
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
      BlockType Gain
      Name "3e"
      Position [300, 40, 325, 65]
      Gain "1"
    }
    Block {
      BlockType Integrator
      Name "4p"
      Position [400, 40, 425, 65]
      InitialCondition "0"
    }
    Block {
      BlockType Gain
      Name "4f"
      Position [435, 40, 460, 65]
      Gain "1/(0.5)"
    }
    Line {
      SrcBlock "4p"
      SrcPort 1
      DstBlock "4f"
      DstPort 1
    }
    Block {
      BlockType Gain
      Name "5e1"
      Position [500, 40, 525, 65]
      Gain "0.05"
    }
    Block {
      BlockType Gain
      Name "5e2"
      Position [535, 40, 560, 65]
      Gain "0.05"
    }
    Block {
      BlockType Gain
      Name "5f1"
      Position [500, 80, 525, 105]
      Gain "1/(0.05)"
    }
    Block {
      BlockType Gain
      Name "5f2"
      Position [535, 80, 560, 105]
      Gain "1/(0.05)"
    }
    Block {
      BlockType Sum
      Name "6sum"
      Position [600, 40, 625, 65]
      Inputs "+--"
    }
    Block {
      BlockType Integrator
      Name "7p"
      Position [700, 40, 725, 65]
      InitialCondition "0"
    }
    Block {
      BlockType Gain
      Name "7f"
      Position [735, 40, 760, 65]
      Gain "1/(0.01)"
    }
    Line {
      SrcBlock "7p"
      SrcPort 1
      DstBlock "7f"
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
      SrcBlock "4f"
      SrcPort 1
      DstBlock "1t"
      DstPort 1
    }
    Line {
      SrcBlock "4f"
      SrcPort 1
      DstBlock "3e"
      DstPort 1
    }
    Line {
      SrcBlock "3e"
      SrcPort 1
      DstBlock "2sum"
      DstPort 2
    }
    Line {
      SrcBlock "2sum"
      SrcPort 1
      DstBlock "4p"
      DstPort 1
    }
    Line {
      SrcBlock "4f"
      SrcPort 1
      DstBlock "5e2"
      DstPort 1
    }
    Line {
      SrcBlock "5e1"
      SrcPort 1
      DstBlock "2sum"
      DstPort 3
    }
    Line {
      SrcBlock "5e2"
      SrcPort 1
      DstBlock "6sum"
      DstPort 1
    }
    Line {
      SrcBlock "7f"
      SrcPort 1
      DstBlock "5e1"
      DstPort 1
    }
    Line {
      SrcBlock "6sum"
      SrcPort 1
      DstBlock "7p"
      DstPort 1
    }
    Line {
      SrcBlock "7f"
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
      SrcBlock "7f"
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
